#pragma once

#include <QString>

class QWidget;

namespace table {

class ProgramStarter;
class UserPrompts;

// The chemical calculator's program file in the program folder.
QString CalculatorPath(const QString& programFolder);

// Starts the chemical calculator beside the program, without arguments and without waiting for
// it. When it is not there, or does not start, a message says so and names the file.
void StartCalculator(const QString& programFolder, ProgramStarter& starter, UserPrompts& prompts,
                     QWidget* parent);

}  // namespace table
