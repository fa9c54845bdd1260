#include "app/print_output.h"

#include "app/print_painter.h"

#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPageRanges>
#include <QPainter>
#include <QPdfWriter>

QPageLayout UsualPageLayout()
{
    const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

QSize PrintedArea(const QPageLayout &layout)
{
    return layout.paintRectPixels(96).size();
}

int PrintList(QPagedPaintDevice &device, TLatticeGrid &grid, const TPrintRequest &request)
{
    const TPrintDocument document =
        ReadPrintDocument(grid, request, PrintedArea(device.pageLayout()));
    const std::vector<TPrintPage> pages = LayOutDocument(document);
    QPainter painter(&device);
    const QPageRanges ranges = device.pageRanges();
    PaintPrintPages(
        painter, document, pages, [&] { device.newPage(); },
        [&](int page) { return ranges.isEmpty() || ranges.contains(page); });
    return int(pages.size());
}

QByteArray ListAsPdf(TLatticeGrid &grid, const TPrintRequest &request)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(96);
        writer.setPageLayout(UsualPageLayout());
        writer.setTitle(request.title);
        writer.setCreator(QStringLiteral("Yearnbox"));
        PrintList(writer, grid, request);
    }
    return buffer.data();
}
