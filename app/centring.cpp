#include "app/centring.h"

#include <QWidget>

QPoint CentredTopLeft(const QRect &ownerFrame, const QSize &frameSize)
{
    return {ownerFrame.left() + (ownerFrame.width() - frameSize.width()) / 2,
            ownerFrame.top() + (ownerFrame.height() - frameSize.height()) / 2};
}

void CentreOver(QWidget &window, const QWidget &owner)
{
    const QSize ownerFrameExtra = owner.frameGeometry().size() - owner.geometry().size();
    const QSize frameExtra = window.frameGeometry().size() - window.geometry().size();
    const QSize frame = window.size() + (frameExtra.isEmpty() ? ownerFrameExtra : frameExtra);
    window.move(CentredTopLeft(owner.frameGeometry(), frame));
}
