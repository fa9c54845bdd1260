#include "app/glyphs.h"

#include "app/early_pictures.h"
#include "platform/transparent_bitmap.h"
#include "resources/resources.h"

#include <QPixmap>

QImage GlyphImage(const char *name)
{
    return TransparentByBottomLeft(TakePicture(resources::GlyphPath(name)));
}

QIcon GlyphIcon(const char *name)
{
    return QIcon(QPixmap::fromImage(GlyphImage(name)));
}
