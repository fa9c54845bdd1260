#pragma once
// Where a printed list goes: any paged device (a printer chosen in the print
// dialog) or the bytes of a PDF on a page of the usual size where the user
// lives (Letter in the US, A4 elsewhere).

#include "app/print_document.h"

#include <QByteArray>

class QPageLayout;
class QPagedPaintDevice;

QPageLayout UsualPageLayout();
// The area painted on each page, in page units (1/96 inch).
QSize PrintedArea(const QPageLayout &layout);

// Reads, lays out and paints the list (only the pages of the device's page
// ranges, when it has any); returns the number of pages of the whole list.
int PrintList(QPagedPaintDevice &device, TLatticeGrid &grid, const TPrintRequest &request);
QByteArray ListAsPdf(TLatticeGrid &grid, const TPrintRequest &request);
