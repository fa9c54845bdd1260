#include "grid_core/text_arena.h"

#include "grid_core/text_file.h"

#include <limits>

namespace {
thread_local const TTextOffer *tOffer = nullptr;
}

QString TTextArena::Text(uint32_t offset, uint32_t length, bool encoded) const
{
    if (!encoded)
        return QString(chars_.constData() + offset, length);
    QString text;
    Decode(offset, length, text);
    return text;
}

void TTextArena::Decode(uint32_t offset, uint32_t length, QString &text) const
{
    DecodeTextField(QStringView(chars_.constData() + offset, length), separator_, lineBreak_, text);
}

bool TTextArena::CanHold(const QString &chars)
{
    return chars.data_ptr().isMutable() &&
           chars.size() <= qsizetype(std::numeric_limits<uint32_t>::max());
}

const TTextOffer *OfferFor(const QString &text)
{
    const TTextOffer *offer = tOffer;
    if (offer && offer->text && offer->text == text.constData() && offer->size == text.size())
        return offer;
    return nullptr;
}

TTextOfferScope::TTextOfferScope(const TTextOffer *offer) : previous_(tOffer)
{
    tOffer = offer;
}

TTextOfferScope::~TTextOfferScope()
{
    tOffer = previous_;
}
