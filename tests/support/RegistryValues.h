// Reading and removing registry keys for tests, straight through the registry API.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

// A REG_SZ value of a key (name empty: the unnamed value) as stored, without its closing zero;
// std::nullopt when the key or value is missing, is of another type, or does not end in one zero.
std::optional<std::string> ReadStringValue(HKEY root, const std::string& key, const std::string& name = "");
// Whether the key exists.
bool KeyExists(HKEY root, const std::string& key);
// Deletes the key with everything below it; quiet when it is missing.
void DeleteKeyTree(HKEY root, const std::string& key);
// Deletes the keys of the Sonpix association (.Sonpix and SonpixFile with their subkeys).
void DeleteSonpixAssociation();
