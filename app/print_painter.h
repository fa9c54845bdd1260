#pragma once
// Paints a laid-out printed list: on each page the column captions, the rows
// placed on it (marked ones shaded in the mark colour, texts wrapped, stars
// and check boxes by their columns' own painters) and the footer "Page n of
// m"; the title above the first page's captions; the totals where the layout
// put them. The painter may belong to any paged device: it is scaled from
// page units (1/96 inch) to the device's resolution.

#include "app/print_document.h"

#include <functional>

class QPainter;

// newPage starts the next page of the device (QPagedPaintDevice::newPage);
// only the pages that wanted(number) accepts are painted, numbered from 1.
void PaintPrintPages(QPainter &painter, const TPrintDocument &document,
                     const std::vector<TPrintPage> &pages, const std::function<void()> &newPage,
                     const std::function<bool(int)> &wanted);
