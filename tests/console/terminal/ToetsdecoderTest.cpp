#include "console/terminal/Toetsdecoder.h"
#include "console/Console.h"
#include "console/Script.h"

#include <gtest/gtest.h>

#include <random>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Toetsen = std::vector<ToetsDruk>;

// All key presses of `bytes` delivered at once, with silence after them.
Toetsen Decodeer(std::string bytes) {
    Toetsen uit = DecodeerToetsen(bytes, false);
    const Toetsen rest = DecodeerToetsen(bytes, true);
    uit.insert(uit.end(), rest.begin(), rest.end());
    EXPECT_TRUE(bytes.empty()) << "silence must decide on everything";
    return uit;
}

// The same bytes arriving in pieces, with no silence until the end.
Toetsen DecodeerInStukken(const std::string& bytes, const std::vector<std::size_t>& grenzen) {
    std::string buffer;
    Toetsen uit;
    std::size_t van = 0;
    for (std::size_t grens : grenzen) {
        buffer += bytes.substr(van, grens - van);
        van = grens;
        const Toetsen stuk = DecodeerToetsen(buffer, false);
        uit.insert(uit.end(), stuk.begin(), stuk.end());
    }
    buffer += bytes.substr(van);
    for (bool stilte : {false, true}) {
        const Toetsen stuk = DecodeerToetsen(buffer, stilte);
        uit.insert(uit.end(), stuk.begin(), stuk.end());
    }
    return uit;
}

// The scripted backend's key presses: what the decoder must produce.
const ToetsDruk Links = script::Pijl(script::Links);
const ToetsDruk Omhoog = script::Pijl(script::Omhoog);
const ToetsDruk Rechts = script::Pijl(script::Rechts);
const ToetsDruk Omlaag = script::Pijl(script::Omlaag);
const ToetsDruk& Escape = script::Esc;
using script::Backspace;
using script::Enter;
using script::F12;
using script::Min;
using script::MinNum;
using script::Plus;
using script::PlusNum;
using script::Spatie;
const ToetsDruk GeenAscii{0, 0};

// Every key the terminals send that the screens know, with what it must give.
const std::vector<std::pair<std::string, ToetsDruk>> BekendeToetsen = {
    {"\x1b[A", Omhoog},
    {"\x1b[B", Omlaag},
    {"\x1b[C", Rechts},
    {"\x1b[D", Links},
    {"\x1bOA", Omhoog},
    {"\x1bOB", Omlaag},
    {"\x1bOC", Rechts},
    {"\x1bOD", Links},
    {"\x1b[1;5A", Omhoog},
    {"\x1b[1;2D", Links},
    {"\x1b[1;3C", Rechts},
    {"\x1b[1;8B", Omlaag},
    {"\r", Enter},
    {"\n", Enter},
    {"\x1bOM", Enter},
    {" ", Spatie},
    {"\x7f", Backspace},
    {"\x08", Backspace},
    {"\x1bOP", ToetsDruk{0, ToetsF1}},
    {"\x1bOQ", ToetsDruk{0, ToetsF1 + 1}},
    {"\x1bOR", ToetsDruk{0, ToetsF1 + 2}},
    {"\x1bOS", ToetsDruk{0, ToetsF1 + 3}},
    {"\x1b[11~", ToetsDruk{0, ToetsF1}},
    {"\x1b[12~", ToetsDruk{0, ToetsF1 + 1}},
    {"\x1b[13~", ToetsDruk{0, ToetsF1 + 2}},
    {"\x1b[14~", ToetsDruk{0, ToetsF1 + 3}},
    {"\x1b[15~", ToetsDruk{0, ToetsF1 + 4}},
    {"\x1b[17~", ToetsDruk{0, ToetsF1 + 5}},
    {"\x1b[18~", ToetsDruk{0, ToetsF1 + 6}},
    {"\x1b[19~", ToetsDruk{0, ToetsF1 + 7}},
    {"\x1b[20~", ToetsDruk{0, ToetsF1 + 8}},
    {"\x1b[21~", ToetsDruk{0, ToetsF1 + 9}},
    {"\x1b[23~", ToetsDruk{0, ToetsF1 + 10}},
    {"\x1b[24~", F12},
    {"\x1b[24;5~", F12},
    {"\x1b[[A", ToetsDruk{0, ToetsF1}}, // the Linux console's F1
    {"\x1bOk", PlusNum},
    {"\x1bOm", MinNum},
    {"+", Plus},
    {"-", Min},
    {"\x1b[27u", Escape},
    {"\x1b[57413u", PlusNum},
    {"\x1b[57412u", MinNum},
    {"\x1b[13u", Enter},
    {"\x1b[127u", Backspace},
    {"\x1b[9u", ToetsDruk{ToetsTab, ToetsTab}},
    {"\x1b[57414u", Enter},
    {"\x1b[57419u", Omhoog},
    {"\x1b[97;3u", ToetsDruk{'a', 'A'}},
    // Every key as an escape code, with its text (flag 16) and shifted form (flag 4).
    {"\x1b[97;2;65u", ToetsDruk{'A', 'A'}},
    {"\x1b[97;65;65u", ToetsDruk{'A', 'A'}},   // Caps Lock
    {"\x1b[55:47;2;47u", ToetsDruk{'/', 191}}, // Shift+7 on a German keyboard
    {"\x1b[113;;64u", ToetsDruk{'@', '2'}},    // AltGr+Q there
    {"\x1b[49:33;2u", ToetsDruk{'!', '1'}},    // shifted form, no text
    {"\x1b[1092;;1092u", ToetsDruk{0, 0}},     // a Cyrillic letter
    {"\x1b[57413;129;43u", PlusNum},           // keypad + with Num Lock, text and all
    {"\x1b[57409;;46u", ToetsDruk{'.', ToetsPuntNum}},
    {"a", ToetsDruk{'a', 'A'}},
    {"Z", ToetsDruk{'Z', 'Z'}},
    {"7", ToetsDruk{'7', '7'}},
    {"\xc3\xa9", GeenAscii},         // é
    {"\xe2\x82\xac", GeenAscii},     // €
    {"\xf0\x9f\x8c\xb2", GeenAscii}, // a tree
};

TEST(ToetsdecoderTest, ElkeBekendeToetsGeeftZijnTekenEnCode) {
    for (const auto& [bytes, toets] : BekendeToetsen)
        EXPECT_EQ(Decodeer(bytes), Toetsen{toets}) << "bytes: " << testing::PrintToString(bytes);
}

TEST(ToetsdecoderTest, PijlenHoudenHunCodeBijElkeModificatietoets) {
    const char letters[] = "ABCD";
    const std::uint16_t codes[] = {ToetsOmhoog, ToetsOmlaag, ToetsRechts, ToetsLinks};
    for (int mod = 1; mod <= 16; ++mod)
        for (int i = 0; i < 4; ++i) {
            const std::string bytes = "\x1b[1;" + std::to_string(mod) + letters[i];
            EXPECT_EQ(Decodeer(bytes), (Toetsen{{0, codes[i]}})) << bytes.substr(1);
        }
}

TEST(ToetsdecoderTest, GetypteTekensHoudenHetTekenMetHunToetsOpEenAmerikaansToetsenbord) {
    for (char c = 'a'; c <= 'z'; ++c)
        EXPECT_EQ(Decodeer(std::string(1, c)), (Toetsen{{c, static_cast<std::uint16_t>(c - 32)}}));
    for (char c = 'A'; c <= 'Z'; ++c)
        EXPECT_EQ(Decodeer(std::string(1, c)), (Toetsen{{c, static_cast<std::uint16_t>(c)}}));
    for (char c = '0'; c <= '9'; ++c)
        EXPECT_EQ(Decodeer(std::string(1, c)), (Toetsen{{c, static_cast<std::uint16_t>(c)}}));
    // Shifted digits share the digit's key; punctuation pairs share one key.
    EXPECT_EQ(Decodeer("!").front().code, '1');
    EXPECT_EQ(Decodeer(")").front().code, '0');
    EXPECT_EQ(Decodeer("=").front().code, ToetsPlus);
    EXPECT_EQ(Decodeer("_").front().code, ToetsMin);
    EXPECT_EQ(Decodeer(",").front().code, Decodeer("<").front().code);
    EXPECT_EQ(Decodeer("'").front().code, Decodeer("\"").front().code);
    for (int c = 0x21; c < 0x7f; ++c) {
        const Toetsen toetsen = Decodeer(std::string(1, static_cast<char>(c)));
        ASSERT_EQ(toetsen.size(), 1u);
        EXPECT_EQ(toetsen.front().teken, static_cast<char>(c));
        EXPECT_NE(toetsen.front().code, 0) << "no key for " << static_cast<char>(c);
        EXPECT_NE(toetsen.front().code, ToetsPlusNum);
        EXPECT_NE(toetsen.front().code, ToetsMinNum);
    }
}

TEST(ToetsdecoderTest, EenLosseEscWachtOpStilteEnIsDanEsc) {
    std::string invoer = "\x1b";
    EXPECT_TRUE(DecodeerToetsen(invoer, false).empty());
    EXPECT_EQ(invoer, "\x1b");
    EXPECT_EQ(DecodeerToetsen(invoer, true), Toetsen{Escape});
    EXPECT_TRUE(invoer.empty());
    // Two lone presses in a row, and an Esc typed before a letter.
    EXPECT_EQ(Decodeer("\x1b\x1b"), (Toetsen{Escape, Escape}));
    EXPECT_EQ(Decodeer("\x1bx"), (Toetsen{Escape, {'x', 'X'}}));
    EXPECT_EQ(Decodeer("\x1b\x1b[A"), (Toetsen{Escape, Omhoog}));
}

TEST(ToetsdecoderTest, KittyEscHeeftGeenStilteNodig) {
    std::string invoer = "\x1b[27u";
    EXPECT_EQ(DecodeerToetsen(invoer, false), Toetsen{Escape});
    EXPECT_TRUE(invoer.empty());
}

TEST(ToetsdecoderTest, OnafgemaakteReeksenWachtenEnStilteLaatZeVallen) {
    for (std::string begin : {"\x1b[", "\x1b[1;5", "\x1bO", "\x1b[57413", "\x1b[[", "\xe2\x82"}) {
        std::string invoer = begin;
        EXPECT_TRUE(DecodeerToetsen(invoer, false).empty());
        EXPECT_EQ(invoer, begin);
        const Toetsen na = DecodeerToetsen(invoer, true);
        EXPECT_TRUE(invoer.empty());
        EXPECT_TRUE(na.empty()) << testing::PrintToString(begin);
    }
}

TEST(ToetsdecoderTest, HeleToetsenWordenGenomenEnEenOnafgemaakteStaartBlijft) {
    std::string invoer = "ab\x1b[24~\x1b[1;";
    EXPECT_EQ(DecodeerToetsen(invoer, false), (Toetsen{{'a', 'A'}, {'b', 'B'}, F12}));
    EXPECT_EQ(invoer, "\x1b[1;");
    invoer += "5D";
    EXPECT_EQ(DecodeerToetsen(invoer, false), Toetsen{Links});
    EXPECT_TRUE(invoer.empty());
}

// Escape strings of every kind, an over-long sequence and mouse reports from
// a terminal left in mouse mode: none of them is a key.
const std::vector<std::string> Tekenreeksen = {
    "\x1b]0;een titel\x07",
    "\x1b]11;rgb:0000/0000/0000\x1b\\",
    "\x1bP1$r0m\x1b\\",
    "\x1b_Gi=31;OK\x1b\\",
    "\x1b^geheim\x07",
    "\x1bXbegin\x1b\\",
    "\x1b]52;c;" + std::string(70, 'Q') + "\x07",
    "\x1b[" + std::string(40, '1') + "A",
    "\x1bO" + std::string(40, '5') + "P",
    "\x1b[M !!",
    "\x1b[M\x23\xff\x1b",
};

TEST(ToetsdecoderTest, OnbekendeReeksenWordenHeelDoorgeslikt) {
    // Replies and keys the game has no use for: nothing comes out, and the
    // keys around them are intact.
    std::vector<std::string> onbekende = {
        "\x1b[?1;2c",  "\x1b[?1u", "\x1b[>0;276;0c", "\x1b[12;40R",  "\x1b[200~",   "\x1b[99~",
        "\x1b[57441u", "\x1bOz",   "\x1b[1 q",       "\x1b[97;1:3u", "\x1b[1;1:3A", "\x1b[1;1R"};
    onbekende.insert(onbekende.end(), Tekenreeksen.begin(), Tekenreeksen.end());
    for (const std::string& onbekend : onbekende) {
        EXPECT_EQ(Decodeer("a" + onbekend + "b"), (Toetsen{{'a', 'A'}, {'b', 'B'}}))
            << testing::PrintToString(onbekend);
    }
}

TEST(ToetsdecoderTest, RommelLaatDeBufferNietGroeien) {
    // An endless sequence and endless strings, a byte at a time: nothing comes
    // out of them, however long, and the key after their end is intact.
    for (auto [begin, vulling, einde] :
         {std::tuple{"\x1b[", '1', "A"}, {"\x1b]0;", 'x', "\x07"}, {"\x1bP", 'q', "\x1b\\"}}) {
        std::string invoer = begin;
        Toetsen uit;
        for (int i = 0; i < 10000; ++i) {
            invoer += vulling;
            const Toetsen stuk = DecodeerToetsen(invoer, false);
            uit.insert(uit.end(), stuk.begin(), stuk.end());
            ASSERT_LT(invoer.size(), MaxSequentieLengte);
        }
        invoer += std::string(einde) + "b";
        const Toetsen stuk = DecodeerToetsen(invoer, true);
        uit.insert(uit.end(), stuk.begin(), stuk.end());
        EXPECT_EQ(uit, (Toetsen{{'b', 'B'}})) << testing::PrintToString(begin);
    }
}

TEST(ToetsdecoderTest, EenReeksAfgebrokenDoorEenStuurbyteMaaktDaarvoorPlaats) {
    EXPECT_EQ(Decodeer("\x1b[1\r"), Toetsen{Enter});
    EXPECT_EQ(Decodeer("\x1b[1;\x1b[B"), Toetsen{Omlaag});
    EXPECT_EQ(Decodeer("\x1bO\x7f"), Toetsen{Backspace});
    // An ESC that does not start ST ends a string and starts a sequence.
    EXPECT_EQ(Decodeer("\x1b]0;titel\x1b[B"), Toetsen{Omlaag});
    EXPECT_EQ(Decodeer("\x1bPq#0\x1b\x1b"), (Toetsen{Escape, Escape}));
}

TEST(ToetsdecoderTest, HetAntwoordOpDeToetsenbordvraagIsGeenToets) {
    for (const std::string antwoord : {"\x1b[?0u", "\x1b[?31u"}) {
        std::string invoer = "a" + antwoord + "b";
        bool gemeld = false;
        EXPECT_EQ(DecodeerToetsen(invoer, true, &gemeld), (Toetsen{{'a', 'A'}, {'b', 'B'}}));
        EXPECT_TRUE(gemeld) << testing::PrintToString(antwoord);
    }
    // The device attributes and every other reply say nothing about it.
    std::string invoer = "\x1b[?1;2c\x1b[?1;2u\x1b[>1u\x1b[?u";
    bool gemeld = false;
    EXPECT_TRUE(DecodeerToetsen(invoer, true, &gemeld).empty());
    EXPECT_FALSE(gemeld);
}

TEST(ToetsdecoderTest, NietAsciiIsEenToetsPerTekenZonderTekenOfCode) {
    EXPECT_EQ(Decodeer("\xc3\xa9\xc3\xab"), (Toetsen{GeenAscii, GeenAscii}));
    // Stray continuation bytes and Latin-1 bytes count one by one.
    EXPECT_EQ(Decodeer("\x80\xe9x"), (Toetsen{GeenAscii, GeenAscii, {'x', 'X'}}));
    EXPECT_EQ(Decodeer("\xe2\x82x"), (Toetsen{GeenAscii, {'x', 'X'}}));
    EXPECT_EQ(Decodeer("\x1b[128512u"), Toetsen{GeenAscii});
}

TEST(ToetsdecoderTest, ControltoetsenGevenHunStuurteken) {
    EXPECT_EQ(Decodeer("\x03"), (Toetsen{{3, 'C'}}));
    EXPECT_EQ(Decodeer("\x1b[99;5u"), (Toetsen{{3, 'C'}})); // Ctrl+C in the kitty protocol
    EXPECT_EQ(Decodeer("\x1b[122;5u"), (Toetsen{{26, 'Z'}}));
    // On a Cyrillic layout Ctrl and Alt take the key of the base layout.
    EXPECT_EQ(Decodeer("\x1b[1089::99;5u"), (Toetsen{{3, 'C'}}));
    EXPECT_EQ(Decodeer("\x1b[1103::122;5u"), (Toetsen{{26, 'Z'}}));
    EXPECT_EQ(Decodeer("\x1b[1093::91;5u\x1b[1093::91;1u"), (Toetsen{{27, 219}, GeenAscii}));
    EXPECT_EQ(Decodeer("\x1b[1089:1057:99;6u"), (Toetsen{{3, 'C'}}));
    EXPECT_EQ(Decodeer("\x1b[1089::99;3u"), (Toetsen{{'c', 'C'}}));
    EXPECT_EQ(Decodeer("\x1b[119::122;5u"), (Toetsen{{23, 'W'}})); // AZERTY keeps its own
    EXPECT_EQ(Decodeer("\t"), (Toetsen{{9, 9}}));
    EXPECT_EQ(Decodeer("\x1b[Z"), (Toetsen{{9, 9}}));
}

TEST(ToetsdecoderTest, KittyCijfersVanHetNumeriekeBlokEnLettersMetShift) {
    for (int cijfer = 0; cijfer <= 9; ++cijfer)
        EXPECT_EQ(
            Decodeer("\x1b[" + std::to_string(57399 + cijfer) + "u"),
            (Toetsen{{static_cast<char>('0' + cijfer), static_cast<std::uint16_t>(96 + cijfer)}}));
    EXPECT_EQ(Decodeer("\x1b[97;6u"), (Toetsen{{1, 'A'}}));   // Ctrl+Shift+A
    EXPECT_EQ(Decodeer("\x1b[98;4u"), (Toetsen{{'B', 'B'}})); // Alt+Shift+B
}

// Every sequence, alone and in company, split at every byte boundary (and at
// every pair of boundaries), gives the same keys as when it arrives whole.
TEST(ToetsdecoderTest, DeBytesOveralSplitsenVerandertNiets) {
    std::vector<std::string> stromen;
    for (const auto& [bytes, toets] : BekendeToetsen) {
        stromen.push_back(bytes);
        stromen.push_back("x" + bytes + bytes + "\x1b");
    }
    stromen.push_back("\x1b[?1;2c\x1b[1;5A\xc3\xa9\x1b\x1bOk");
    for (const std::string& tekenreeks : Tekenreeksen) {
        stromen.push_back(tekenreeks);
        stromen.push_back("x" + tekenreeks + "\x1b[A" + tekenreeks + "\x1b");
    }
    stromen.push_back("\x1b]0;titel\x1b[B\x1bPq\x1b\x1b\x1b[M\x1b[A!");
    for (const std::string& stroom : stromen) {
        const Toetsen heel = Decodeer(stroom);
        for (std::size_t a = 0; a <= stroom.size(); ++a) {
            ASSERT_EQ(DecodeerInStukken(stroom, {a}), heel)
                << testing::PrintToString(stroom) << " split at " << a;
            for (std::size_t b = a; b <= stroom.size(); ++b)
                ASSERT_EQ(DecodeerInStukken(stroom, {a, b}), heel)
                    << testing::PrintToString(stroom) << " split at " << a << " and " << b;
        }
    }
}

TEST(ToetsdecoderTest, ByteVoorByteIsAllesTegelijkVoorLangeGemengdeInvoer) {
    std::string stroom;
    for (int ronde = 0; ronde < 3; ++ronde)
        for (const auto& [bytes, toets] : BekendeToetsen) stroom += bytes;
    std::vector<std::size_t> elkeByte;
    for (std::size_t i = 1; i < stroom.size(); ++i) elkeByte.push_back(i);
    Toetsen verwacht;
    for (int ronde = 0; ronde < 3; ++ronde)
        for (const auto& [bytes, toets] : BekendeToetsen) verwacht.push_back(toets);
    EXPECT_EQ(Decodeer(stroom), verwacht);
    EXPECT_EQ(DecodeerInStukken(stroom, elkeByte), verwacht);
}

// Random bytes, heavy on the ones that start and fill sequences: the buffer
// stays small, silence empties it, and splits change nothing.
TEST(ToetsdecoderTest, OokWillekeurigeBytesHoudenZichAanDeRegels) {
    std::mt19937 gen(2026);
    const std::string alfabet =
        std::string("\x1b\x1b\x1b[[[OOO0123456789;;:~uAPkm?>\r\x7f a]]PX_^M\\\a") +
        "\xc3\xa9\xe2\x82\xf0\x80\xff\x03";
    for (int ronde = 0; ronde < 2000; ++ronde) {
        std::string stroom;
        const std::size_t lengte = gen() % 60;
        for (std::size_t i = 0; i < lengte; ++i) stroom += alfabet[gen() % alfabet.size()];
        std::string buffer = stroom;
        DecodeerToetsen(buffer, false);
        ASSERT_LT(buffer.size(), MaxSequentieLengte);
        DecodeerToetsen(buffer, true);
        ASSERT_TRUE(buffer.empty());
        const Toetsen heel = Decodeer(stroom);
        std::vector<std::size_t> grenzen;
        for (std::size_t i = 1; i < stroom.size(); ++i)
            if (gen() % 3 == 0) grenzen.push_back(i);
        ASSERT_EQ(DecodeerInStukken(stroom, grenzen), heel) << testing::PrintToString(stroom);
    }
}

} // namespace
