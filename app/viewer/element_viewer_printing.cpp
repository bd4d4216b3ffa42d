#include <QPrinter>

#include "app/program_info.h"
#include "app/shell/services/printer_setup.h"
#include "app/shell/services/user_prompts.h"
#include "app/viewer/card_printing.h"
#include "app/viewer/frm_element_viewer.h"

namespace table {

QPrinter& frmTElementViewer::printer() {
  // Made when first needed, it keeps the user's choices from one printout to the next.
  if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *m_printer;
}

void frmTElementViewer::reportPrintError(int number, const QString& description) {
  // A printer that fails ends the command without a word, as a cancelled dialog does.
  if (number == kPrinterError) return;
  const OwnDialog message(*this);
  m_host.Prompts().warning(this, ProgramTitle(),
                           QString("Error %1. %2").arg(number).arg(description));
}

bool frmTElementViewer::choosePrinter() {
  const OwnDialog setup(*this);
  return m_host.Printers().choosePrinter(printer(), this);
}

void frmTElementViewer::printAsPicture() {
  if (!m_showsElement) return;
  if (!choosePrinter()) return;
  if (const auto error = PrintCardPicture(m_drawing, printer()))
    reportPrintError(error->number, error->description);
}

void frmTElementViewer::printAsText() {
  if (!m_showsElement) return;
  if (!choosePrinter()) return;
  if (const auto error = PrintCardText(m_currentElement, printer()))
    reportPrintError(error->number, error->description);
}

}  // namespace table
