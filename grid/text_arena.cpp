#include "grid/text_arena.h"

#include "grid/text_file.h"

#include <limits>

namespace {
thread_local const TTextOffer *tOffer = nullptr;
}

QString TTextArena::Text(uint32_t offset, uint32_t length, bool encoded) const
{
    const QChar *at = chars_.constData() + offset;
    if (encoded)
        return DecodeTextField(QStringView(at, length), separator_, lineBreak_);
    return QString(at, length);
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
