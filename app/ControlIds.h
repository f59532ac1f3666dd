// Window identifiers (GWLP_ID) of the main window's controls, fixed so that the program can be
// driven and checked from outside by name.
#pragma once

enum TControlId : int {
    idDirectoryEdit1 = 1001,
    idDirectoryEdit1Button = 1002,  // the browse button inside the folder field
    idListBox1 = 1003,
    idImage1 = 1004,
    idGroupBox1 = 1005,
    idStaticText1 = 1006,
    idGroupBox2 = 1007,
    idImage2 = 1008,
    idButton1 = 1009,
    idSpeedButton1 = 1010,
    idSpeedButton2 = 1011,
    idSpeedButton3 = 1012,
    idSpeedButton4 = 1013,
    idCheckBox1 = 1014,
    idSoundPlayer1 = 1015,
};
