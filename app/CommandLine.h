#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// The command-line options that answer and end the run before any window or display is needed:
// --version (-v) and --help (-h). Every other argument is left to Qt and the program.
namespace CommandLine {

// The program's one version number, also shown by the About box.
QString version();

// Writes the answer to the first information option in args (args[0] is the program) and
// returns the exit code; returns -1 when there is none and the program should start.
int answerInformationOptions(const QStringList& args, QTextStream& out);

// The same for main()'s arguments, answering on the standard output.
int answerInformationOptions(int argc, char** argv);

}  // namespace CommandLine
