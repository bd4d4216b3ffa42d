#include "app/shell/services/calculator.h"

#include <QFileInfo>

#include "app/program_info.h"
#include "app/shell/services/user_prompts.h"

namespace table {

QString CalculatorPath(const QString& programFolder) {
  return programFolder + "/tarvik";
}

void StartCalculator(const QString& programFolder, ProgramStarter& starter, UserPrompts& prompts,
                     QWidget* parent) {
  const QString program = CalculatorPath(programFolder);
  if (!QFileInfo(program).isFile()) {
    prompts.warning(parent, ProgramTitle(),
                    "Химический калькулятор не установлен: не найден файл " + program + ".");
    return;
  }
  if (!starter.startDetached(program, {})) {
    prompts.warning(parent, ProgramTitle(),
                    "Не удалось запустить химический калькулятор " + program + ".");
  }
}

}  // namespace table
