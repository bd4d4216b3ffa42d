#pragma once

#include <QString>
#include <optional>

#include "data/element_record.h"
#include "table/drawing.h"

class QPrinter;

namespace table {

// A failed printout: the error number and its description.
struct PrintError {
  int number = 0;
  QString description;
};

// The printer could not start the document (no printer, a broken queue).
inline constexpr int kPrinterError = 482;

// Prints the card picture from its recording at its natural size (the card's twips, at the
// printer's own resolution), its top-left corner at the top-left corner of the printable
// area, as one page.
std::optional<PrintError> PrintCardPicture(const periodic::Drawing& card, QPrinter& printer);

// Prints the element's data as labelled lines of text, as one page.
std::optional<PrintError> PrintCardText(const periodic::ElementRecord& record, QPrinter& printer);

}  // namespace table
