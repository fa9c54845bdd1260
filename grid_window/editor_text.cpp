#include "grid_window/editor_text.h"

bool FitsEditor(QStringView start)
{
    return start.size() <= kEditorChars;
}
