#pragma once
// What a program needs from the system at its start, the same on every system: its
// arguments and environment as UTF-8 text, a console that shows UTF-8.
#include <optional>
#include <string>
#include <vector>

namespace ph {

// The program's arguments after its name, in UTF-8. On Windows they are taken from the
// UTF-16 command line (argv holds them in the ANSI code page, which cannot hold every
// name of a folder); elsewhere they are argv as given.
std::vector<std::string> ArgumentosDelPrograma(int argc, char** argv);

// The value of an environment variable in UTF-8; nothing when it is not set.
std::optional<std::string> VariableDeEntorno(const char* nombre);

// Makes the console show the program's UTF-8 output (Windows); nothing elsewhere.
void PrepararConsola();

}  // namespace ph
