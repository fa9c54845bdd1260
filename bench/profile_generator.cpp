#include "bench/profile_generator.h"

#include <array>
#include <string_view>
#include <vector>

namespace {

using Text = std::u16string;
using Words = std::vector<std::u16string_view>;

const Words kAdjectives = {
    u"blue",    u"green",       u"tiny",    u"huge",         u"cordless", u"wooden",    u"folding",
    u"vintage", u"electric",    u"woollen", u"quiet",        u"travel",   u"cast iron", u"bamboo",
    u"glass",   u"left-handed", u"solar",   u"hand-painted", u"spare",    u"velvet",    u"copper",
    u"smart",   u"café",        u"naïve",   u"reversible",   u"heated",   u"compact",   u"deluxe"};
const Words kNouns = {u"kettle",        u"tent",        u"bicycle",      u"lamp",
                      u"reading chair", u"pasta maker", u"kite",         u"chess set",
                      u"teapot",        u"rain jacket", u"hiking boots", u"record player",
                      u"blender",       u"desk",        u"easel",        u"microscope",
                      u"ukulele",       u"skateboard",  u"hammock",      u"sketchbook",
                      u"fountain pen",  u"bird feeder", u"toolbox",      u"frying pan",
                      u"snow globe",    u"canoe",       u"board game",   u"jigsaw puzzle",
                      u"headphones",    u"plant pot",   u"crêpe pan",    u"smörgåsbord plate"};
const Words kQualifiers = {
    u"for Gran",  u"for the garden", u"(second hand is fine)", u"set of 2", u"XL", u"mk II",
    u"gift card", u"for camping"};
const Words kNoteWords = {
    u"maybe",    u"the",    u"red",         u"one",     u"from",  u"shop",   u"online",
    u"birthday", u"before", u"summer",      u"ask",     u"about", u"size",   u"colour",
    u"cheaper",  u"in",     u"spring",      u"sale",    u"not",   u"urgent", u"compare",
    u"reviews",  u"with",   u"spare",       u"battery", u"for",   u"trip",   u"kitchen",
    u"garage",   u"friend", u"recommended", u"newer",   u"model", u"façade", u"jalapeño"};
const Words kQuoted = {u"the good one", u"pro", u"as seen on TV", u"not the cheap one", u"hi"};

// Items in turn every 64th item: texts that commas, quotes, line breaks,
// blanks, characters outside ASCII and unusual numbers make special.
const std::array<std::array<std::u16string_view, 7>, 15> kEdgeCases = {{
    {u"Road bike", u"Red, 21 gears\r\nfrom the shop", u"$450", u"4", u"12/7/2026", u"0", u"True"},
    {u"Sign", u"say \"hi\"", u"$3", u"1", u"1/1/2020", u"0", u"False"},
    {u"\"Big\" box", u"\"quoted\" at the start", u"$12", u"2", u"2/29/2024", u"0", u"False"},
    {u"\"", u",", u"\",\"", u"3", u"3/3/2023", u"0", u"True"},
    {u"Line breaks only", u"first\r\nsecond\r\n\r\nfourth", u"$5", u"5", u"4/4/2022", u"0",
     u"False"},
    {u"\r\nBreak first", u"ends with a break\r\n", u"$1", u"1", u"5/5/2021", u"0", u"False"},
    {u"Nothing else", u"", u"", u"0", u"", u"0", u"False"},
    {u"Crème brûlée torch", u"茶碗 and Ωmega", u"€20", u"3", u"6/6/2026", u"0", u"True"},
    {u"🎸 Guitar", u"🎁 gift, 🎂 cake", u"£15", u"4", u"7/7/2025", u"0", u"False"},
    {u"Salt & pepper mill", u"&&, &x", u"$8 & up", u"2", u"8/8/2019", u"0", u"False"},
    {u"Over the top", u"seven stars asked", u"$70", u"7", u"9/9/2018", u"0", u"True"},
    {u"Below zero", u"a negative priority", u"$0", u"-1", u"10/10/2026", u"0", u"False"},
    {u"A name long enough to be cut off with an ellipsis in its column and shown whole in a "
     u"hint when the mouse rests on it, and then some more words so that it is wider than the "
     u"grid itself: kettles, tents, bicycles, lamps, chairs, pasta makers, kites and chess sets",
     u"long", u"$999,999.99", u"5", u"11/11/2026", u"0", u"False"},
    {u"  padded  ", u" ", u" $ 1 ", u"1", u" 12/1/2026 ", u"0", u"True"},
    {u"tab\there", u"a\tb", u"$2", u"2", u"12/31/1999", u"0", u"False"},
}};

void Append(Text &to, std::u16string_view what)
{
    to.append(what.data(), what.size());
}

Text Decimal(int64_t value)
{
    const std::string digits = std::to_string(value);
    return Text(digits.begin(), digits.end());
}

void AppendUtf8(std::string &out, const Text &text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | c >> 6);
            out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += char(0xE0 | c >> 12);
            out += char(0x80 | (c >> 6 & 0x3F));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xF0 | c >> 18);
            out += char(0x80 | (c >> 12 & 0x3F));
            out += char(0x80 | (c >> 6 & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
}

} // namespace

const int kEdgeCaseCount = int(kEdgeCases.size());

TProfileGenerator::TProfileGenerator(uint64_t seed) : state_(seed) {}

// splitmix64: the same numbers on every machine and compiler.
uint64_t TProfileGenerator::Draw()
{
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

int TProfileGenerator::Below(int bound)
{
    return int(Draw() % uint64_t(bound));
}

TGeneratedItem TProfileGenerator::Next()
{
    const int64_t index = index_++;
    if (index % 64 == 0) {
        const auto &edge = kEdgeCases[(index / 64) % kEdgeCases.size()];
        TGeneratedItem item;
        for (int f = 0; f < 7; ++f)
            item.fields[f] = Text(edge[f]);
        return item;
    }
    return Ordinary();
}

TGeneratedItem TProfileGenerator::Ordinary()
{
    TGeneratedItem item;
    Text &name = item.fields[0];
    Append(name, kAdjectives[Below(int(kAdjectives.size()))]);
    name += u' ';
    Append(name, kNouns[Below(int(kNouns.size()))]);
    if (Below(4) == 0) {
        name += u' ';
        Append(name, kQualifiers[Below(int(kQualifiers.size()))]);
    }

    Text &notes = item.fields[1];
    if (Below(3) != 0) {
        const int words = 2 + Below(11);
        for (int w = 0; w < words; ++w) {
            if (w > 0) {
                const int gap = Below(100);
                Append(notes, gap < 8 ? u", " : gap < 11 ? u"\r\n" : u" ");
            }
            if (Below(40) == 0) {
                notes += u'"';
                Append(notes, kQuoted[Below(int(kQuoted.size()))]);
                notes += u'"';
            } else {
                Append(notes, kNoteWords[Below(int(kNoteWords.size()))]);
            }
        }
    }

    Text &price = item.fields[2];
    const int dollars = 1 + Below(500);
    switch (Below(10)) {
    case 0:
        Append(price, u"about $");
        price += Decimal(dollars);
        break;
    case 1:
        Append(price, u"£");
        price += Decimal(dollars);
        break;
    case 2:
        Append(price, u"€");
        price += Decimal(dollars);
        break;
    case 3: price = u"$" + Decimal(dollars) + u"." + Decimal(10 + Below(90)); break;
    case 4: {
        const Text hundreds = Decimal(Below(1000));
        price = u"$1," + Text(3 - hundreds.size(), u'0') + hundreds;
        break;
    }
    case 5: price = u"$" + Decimal(dollars) + u"-$" + Decimal(dollars + 1 + Below(100)); break;
    default: price = u"$" + Decimal(dollars); break;
    }

    static constexpr int kPriorityWeights[5] = {10, 20, 35, 20, 15};
    int pick = Below(100), priority = 1;
    while (pick >= kPriorityWeights[priority - 1]) {
        pick -= kPriorityWeights[priority - 1];
        ++priority;
    }
    item.fields[3] = Decimal(priority);
    item.fields[4] =
        Decimal(1 + Below(12)) + u"/" + Decimal(1 + Below(28)) + u"/" + Decimal(2018 + Below(9));
    item.fields[5] = u"0";
    item.fields[6] = Below(100) < 18 ? u"True" : u"False";
    return item;
}

std::u16string EncodeLine(const TGeneratedItem &item)
{
    Text line;
    for (int f = 0; f < 7; ++f) {
        const Text &text = item.fields[f];
        const bool enclose = text.find_first_of(u",\"") != Text::npos;
        if (enclose)
            line += u'"';
        for (const char16_t ch : text) {
            if (ch == u'"')
                Append(line, u"\"\"");
            else if (ch == u'\r')
                line += u'|';
            else if (ch != u'\n')
                line += ch;
        }
        if (enclose)
            line += u'"';
        Append(line, f < 6 ? u"," : u"\r\n");
    }
    return line;
}

void WriteProfile(std::ostream &out, int64_t count, uint64_t seed, TProfileEncoding encoding)
{
    TProfileGenerator generator(seed);
    std::string bytes;
    if (encoding == TProfileEncoding::peUtf16)
        bytes = "\xFF\xFE";
    for (int64_t i = 0; i < count; ++i) {
        const Text line = EncodeLine(generator.Next());
        if (encoding == TProfileEncoding::peUtf16) {
            for (const char16_t unit : line) {
                bytes += char(unit & 0xFF);
                bytes += char(unit >> 8);
            }
        } else {
            AppendUtf8(bytes, line);
        }
        if (bytes.size() > (1 << 20)) {
            out.write(bytes.data(), std::streamsize(bytes.size()));
            bytes.clear();
        }
    }
    out.write(bytes.data(), std::streamsize(bytes.size()));
}
