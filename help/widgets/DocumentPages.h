#pragma once

#include <QString>

class QPainter;
class QPrinter;
class QTextDocument;

namespace quarlo {

// Prints `document` on as many pages as it needs, laid out anew for the printer's page and
// resolution, with `footer` and "Page i of n" at the foot of every page. `painter` is active
// on `printer` and stands at the top left of the first page's printable area.
void PaintDocumentPages(QPainter& painter, QPrinter& printer, const QTextDocument& document, const QString& footer);

}  // namespace quarlo
