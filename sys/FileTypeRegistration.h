// RegisterFileType: associates a file extension with a program under HKEY_CLASSES_ROOT, so that
// the file manager opens such files with the program and the file's path as first argument.
#pragma once
#include <string>

#include "sys/Registry.h"

// Writes, in this order, the unnamed REG_SZ values of three keys: Ext (a full stop put in front
// when its first character is none) gets FileType; FileType gets Description (FileType when
// empty); FileType\shell\open\command gets "ProgramPath" "%1". Nothing is done when Ext, FileType
// or ProgramPath is empty. Other values of these keys are left as they are. A key that cannot be
// created or a value that cannot be written raises ERegistryException and ends the work (entries
// written before stay); a key that cannot be opened is skipped.
void RegisterFileType(const std::string& Ext, const std::string& FileType, const std::string& Description,
                      const std::string& ProgramPath, const TRegistryApi& api = SystemRegistryApi());

// The open command's text: ProgramPath and %1, each between double quotes, one blank between them.
std::string OpenCommandText(const std::string& ProgramPath);
