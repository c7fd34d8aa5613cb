// The print module (AlmarikPrint): Qt Print Support and its dialog are
// loaded at the first print, not at every start.

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QWidget>

// Asks the user for a printer over parent and prints the document on A4
// with 15 mm margins, as the PDF export lays it out. True when it was
// sent to a printer, false when the user cancelled.
extern "C" Q_DECL_EXPORT bool almarikPrintDocument(QTextDocument *document, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    document->print(&printer);
    return true;
}
