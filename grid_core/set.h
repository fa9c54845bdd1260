#pragma once
// A small set of enumeration members, one bit per member (TColumnOptions,
// TFontStyles, ...). Members must be numbered from 0 to 63.

#include <cstdint>
#include <initializer_list>

template <typename E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> members)
    {
        for (E m : members)
            bits_ |= Bit(m);
    }

    constexpr bool Contains(E m) const { return bits_ & Bit(m); }
    constexpr bool IsEmpty() const { return bits_ == 0; }
    constexpr TSet &Include(E m)
    {
        bits_ |= Bit(m);
        return *this;
    }
    constexpr TSet &Exclude(E m)
    {
        bits_ &= ~Bit(m);
        return *this;
    }
    constexpr TSet With(E m) const
    {
        TSet s = *this;
        return s.Include(m);
    }
    constexpr TSet Without(E m) const
    {
        TSet s = *this;
        return s.Exclude(m);
    }
    constexpr uint64_t Bits() const { return bits_; }
    static constexpr TSet FromBits(uint64_t bits)
    {
        TSet s;
        s.bits_ = bits;
        return s;
    }
    friend constexpr bool operator==(TSet, TSet) = default;

private:
    static constexpr uint64_t Bit(E m) { return uint64_t(1) << unsigned(m); }
    uint64_t bits_ = 0;
};
