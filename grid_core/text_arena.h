#pragma once
// The characters of a file being loaded, kept whole so that text cells can
// point into them instead of holding a copy of every field.
//
// While ParseTextFile reads a file it offers each field to the target as a
// place in the arena: the text it passes to StoreField, and where that text
// lies. A text cell given exactly that text (same characters at the same
// address) keeps the place; its store keeps the arena alive. Any other text
// is copied as usual.
//
// A place is either exact (the field's characters are the text) or encoded
// (the field's file form with quotes and line-break marks, decoded on every
// read).

#include <QChar>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <memory>

class TTextArena {
public:
    TTextArena(const QString &chars, QChar separator, QChar lineBreak)
        : chars_(chars), separator_(separator), lineBreak_(lineBreak)
    {
    }

    const QString &Chars() const { return chars_; }
    // The text of a place.
    QString Text(uint32_t offset, uint32_t length, bool encoded) const;
    // The text of an encoded place, written over text (its memory reused).
    void Decode(uint32_t offset, uint32_t length, QString &text) const;
    // The characters of an exact place.
    QStringView View(uint32_t offset, uint32_t length) const
    {
        return QStringView(chars_.constData() + offset, length);
    }

    // Whether chars can be kept as an arena: its characters live in a shared
    // heap block and every place fits 32 bits.
    static bool CanHold(const QString &chars);

private:
    QString chars_;
    QChar separator_;
    QChar lineBreak_;
};

// The field that a load on this thread is storing right now.
struct TTextOffer {
    std::shared_ptr<const TTextArena> arena;
    const QChar *text = nullptr;
    qsizetype size = 0;
    uint32_t offset = 0;
    uint32_t length = 0;
    bool encoded = false;
};

// The offer for exactly this text (same characters at the same address), or
// null.
const TTextOffer *OfferFor(const QString &text);

// Publishes an offer for the lifetime of the scope; scopes nest.
class TTextOfferScope {
public:
    explicit TTextOfferScope(const TTextOffer *offer);
    ~TTextOfferScope();
    TTextOfferScope(const TTextOfferScope &) = delete;
    TTextOfferScope &operator=(const TTextOfferScope &) = delete;

private:
    const TTextOffer *previous_;
};
