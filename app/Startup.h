#pragma once

class QLockFile;

// The program entry: single-instance guard, directories, the settings read
// once, login, then the main window and the data modules.
int runProgram(int argc, char **argv);

// Everything after the application object exists: returns the exit code.
// Tests call it with a modal handler that answers the login window.
int runSession();

// Takes the single-instance lock of the program directory. A lock left by a
// process that no longer runs is taken over. Shows the refusal message and
// returns false when another copy holds it.
bool acquireSingleInstance(QLockFile &lock);

inline constexpr char kProgramVersion[] = "1.9.2";
