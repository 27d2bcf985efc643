// The built-in demo phone: a phone as a person really uses it, with a filled SIM book,
// address book, call lists, organizer entries, an operator logo, a ring tone and messages.
#include <cstdint>
#include <span>
#include <stdexcept>

#include "gsm/latin1_text.h"
#include "sim/demo_messages.h"
#include "sim/organizer_demo.h"
#include "sim/phone_state.h"
#include "sim/text_encoding.h"

namespace telvane::sim {
namespace {

struct DemoEntry {
  int position;
  const char* number;
  const char* name;  // UTF-8
};

constexpr DemoEntry kSimEntries[] = {
    {1, "+491711234567", "Mama!"},
    {2, "+4930123456", "Papa"},
    {3, "+491702345678", "Anna Schmidt"},
    {4, "+491523456789", "Jürgen Müller"},
    {5, "+4989765432", "Büro München"},
    {6, "+491629876543", "Sören Bär"},
    {7, "+4940223344", "Praxis Dr. Kühn"},
    {8, "+491734455667", "Lena Weiß"},
    {9, "0301234567", "Oma Hildegard"},
    {10, "+436641234567", "Markus Grüber"},
    {11, "+41791234567", "Chloé Favre"},
    {12, "+33612345678", "Amélie Moreau"},
    {14, "+491715566778", "Tobias Fischer"},
    {15, "+4922112345", "Köln Taxi"},
    {16, "+491607788990", "Jörg Schäfer"},
    {17, "+4969556677", "Frankfurt Büro"},
    {18, "+34612345678", "Iñigo Martinez"},
    {19, "+4520123456", "Søren Jørgensen"},
    {20, "+46701234567", "Åsa Lindström"},
    {21, "+491719988776", "Katrin Vogel"},
    {22, "+491525544332", "Felix Hoffmann"},
    {23, "+4935112345", "Dresden Hotel"},
    {24, "+31612345678", "Pieter de Vries"},
    {25, "+393471234567", "Giulia Rossi"},
    {26, "+491621122334", "Ümit Yilmaz"},
    {27, "+491738877665", "Stefanie Krause"},
    {28, "+4971112233", "Werkstatt Maier"},
    {29, "+491577766554", "Nico Zimmermann"},
    {30, "+4961313344", "Zahnarzt Dr.Öz"},
    {31, "+491704433221", "Hanna Schröder"},
    {32, "+4775123456", "Ola Nordmann"},
    {33, "+351912345678", "Joao Silva"},
    {35, "+491636655443", "Max Becker"},
    {36, "+4923455667", "Pizzeria Roma"},
    {37, "+491729988112", "Clara Neumann"},
    {38, "+491511223344", "Ben Schulz"},
    {39, "+4922887766", "Bäckerei Groß"},
    {40, "+491745566009", "Julia Wagner"},
    {41, "+441234567890", "Oliver Smith"},
    {42, "+491608899776", "Paul Koch"},
    {43, "112", "Notruf"},
    {44, "+4980033344", "Pannenhilfe"},
    {45, "+491779900112", "Mia Richter"},
};

constexpr DemoEntry kFixedDiallingEntries[] = {
    {1, "112", "Notruf"},
    {2, "+4930123456", "Papa"},
    {3, "+491711234567", "Mama"},
    {4, "+4989765432", "Büro München"},
    {5, "+4980033344", "Pannenhilfe"},
};

constexpr DemoEntry kOwnNumbers[] = {
    {1, "+491701112233", "Eigene Nummer"},
    {2, "+491701112234", "Fax"},
};

constexpr DemoEntry kDialled[] = {
    {1, "+491702345678", "Anna Schmidt"},
    {2, "+4989765432", "Büro München"},
    {3, "0891", ""},
    {4, "+491711234567", "Mama!"},
};

constexpr DemoEntry kMissed[] = {
    {1, "+491629876543", "Sören Bär"},
    {2, "+4922199887", ""},
};

constexpr DemoEntry kReceived[] = {
    {1, "+4930123456", "Papa"},
    {2, "+491523456789", "Jürgen Müller"},
    {3, "+491701234567", ""},
};

struct DemoCard {
  int index;
  const char* last;
  const char* first;
  const char* home;
  const char* cell;
  const char* org;
  const char* email;
  const char* address;  // street;city;state;zip;country
  bool vip;
};

constexpr DemoCard kCards[] = {
    {1, "Schmidt", "Anna", "+4930123987", "+491702345678", "", "anna.schmidt@web.de",
     "Kastanienallee 12;Berlin;;10435;Deutschland", true},
    {2, "Müller", "Jürgen", "+4989334455", "+491523456789", "Müller & Söhne GmbH",
     "j.mueller@mueller-soehne.de", "Leopoldstraße 45;München;Bayern;80802;Deutschland", false},
    {3, "Miller", "John", "+14155550123", "", "Acme Corp.", "john.miller@acme.com",
     "Main St 1;Springfield;IL;12345;USA", false},
    {4, "Bär", "Sören", "+4940556677", "+491629876543", "", "soeren.baer@gmx.de",
     "Elbchaussee 7;Hamburg;;22763;Deutschland", false},
    {5, "Weiß", "Lena", "", "+491734455667", "Universität Leipzig", "lena.weiss@uni-leipzig.de", "",
     false},
    {6, "Grüber", "Markus", "+43512345678", "+436641234567", "Tiroler Bergbahnen",
     "markus@grueber.at", "Maria-Theresien-Straße 3;Innsbruck;Tirol;6020;Österreich", false},
    {7, "Favre", "Chloé", "+41223456789", "+41791234567", "", "chloe.favre@bluewin.ch",
     "Rue du Rhône 20;Genève;;1204;Schweiz", false},
    {8, "Moreau", "Amélie", "+33142345678", "+33612345678", "Café de Flore", "",
     "172 Boulevard Saint-Germain;Paris;;75006;France", false},
    {9, "Fischer", "Tobias", "+4922134567", "+491715566778", "", "tobias.fischer@t-online.de", "",
     true},
    {10, "Schäfer", "Jörg", "+496912345", "+491607788990", "Deutsche Bahn AG",
     "joerg.schaefer@bahn.de", "Europaallee 8;Frankfurt am Main;Hessen;60327;Deutschland", false},
    {11, "Martínez", "Iñigo", "+34915551234", "+34612345678", "", "inigo@correo.es",
     "Calle Mayor 5;Madrid;;28013;España", false},
    {12, "Jørgensen", "Søren", "+4533123456", "+4520123456", "Carlsberg", "",
     "Vesterbrogade 1;København;;1620;Danmark", false},
    {13, "Lindström", "Åsa", "+46812345678", "+46701234567", "", "asa.lindstrom@telia.se", "",
     false},
    {15, "Vogel", "Katrin", "+4971123456", "+491719988776", "Robert Bosch GmbH",
     "katrin.vogel@bosch.com", "Heilbronner Str. 200;Stuttgart;;70191;Deutschland", false},
    {16, "Hoffmann", "Felix", "", "+491525544332", "", "", "", false},
    {17, "de Vries", "Pieter", "+31201234567", "+31612345678", "Rijksmuseum",
     "p.devries@rijksmuseum.nl", "Museumstraat 1;Amsterdam;;1071 XX;Nederland", false},
    {18, "Rossi", "Giulia", "+390612345678", "+393471234567", "", "giulia.rossi@libero.it",
     "Via del Corso 101;Roma;;00186;Italia", false},
    {19, "Krause", "Stefanie", "+4935198765", "+491738877665", "Sächsische Zeitung",
     "s.krause@sz-online.de", "Ostra-Allee 20;Dresden;Sachsen;01067;Deutschland", false},
    {20, "Maier", "Werner", "+4971112233", "", "Werkstatt Maier KFZ", "info@kfz-maier.de",
     "Industriestraße 4;Esslingen;;73730;Deutschland", false},
    {21, "Zimmermann", "Nico", "", "+491577766554", "", "nico.z@posteo.de", "", false},
    {22, "Schröder", "Hanna", "+4951112345", "+491704433221", "Medizinische Hochschule",
     "hanna.schroeder@mh-hannover.de", "Carl-Neuberg-Str. 1;Hannover;;30625;Deutschland", true},
    {23, "Nordmann", "Ola", "+4722123456", "+4775123456", "Statoil", "ola@nordmann.no",
     "Karl Johans gate 1;Oslo;;0154;Norge", false},
    {24, "Silva", "João", "+351213456789", "+351912345678", "", "joao.silva@sapo.pt",
     "Rua Augusta 50;Lisboa;;1100-053;Portugal", false},
    {25, "Becker", "Max", "+4923412345", "+491636655443", "", "", "", false},
    {26, "Neumann", "Clara", "+4930987654", "+491729988112", "Charité", "clara.neumann@charite.de",
     "Charitéplatz 1;Berlin;;10117;Deutschland", false},
    {27, "Schulz", "Ben", "", "+491511223344", "", "ben.schulz@gmail.com", "", false},
    {28, "Wagner", "Julia", "+4962112345", "+491745566009", "SAP AG", "julia.wagner@sap.com",
     "Dietmar-Hopp-Allee 16;Walldorf;;69190;Deutschland", false},
    {29, "Smith", "Oliver", "+442071234567", "+441234567890", "BBC", "oliver.smith@bbc.co.uk",
     "Portland Place;London;;W1A 1AA;United Kingdom", false},
    {30, "Koch", "Paul", "+4951198765", "+491608899776", "", "", "", false},
    {31, "Richter", "Mia", "", "+491779900112", "", "mia.richter@icloud.com", "", false},
    {32, "Groß", "Bäckerei", "+4922887766", "", "Bäckerei Groß", "",
     "Marktplatz 2;Bonn;;53111;Deutschland", false},
    {33, "Kühn", "Dr. Ulrike", "+4940223344", "", "Praxis Dr. Kühn", "praxis@dr-kuehn.de",
     "Mönckebergstraße 11;Hamburg;;20095;Deutschland", false},
    {34, "Öztürk", "Ayse", "", "+491621122335", "", "", "", false},
};

std::string Latin1(const char* utf8) {
  auto text = gsm::Utf8ToLatin1Exact(utf8);
  if (!text) {
    throw std::logic_error(std::string("demo text not in ISO 8859-1: ") + utf8);
  }
  return *text;
}

PhoneBook DemoBook(PhoneBook book, std::span<const DemoEntry> entries) {
  for (const DemoEntry& item : entries) {
    auto name = Utf8ToGsm(item.name);
    if (!name) {
      throw std::logic_error(std::string("demo name not in the GSM alphabet: ") + item.name);
    }
    book.entries[item.position] = {item.number, NumberType(item.number), *name};
  }
  return book;
}

std::string VCard(const DemoCard& card) {
  std::string text = "BEGIN:VCARD\r\nVERSION:2.1\r\n";
  const auto line = [&text](std::string_view key, const char* value) {
    if (*value != '\0') {
      text += std::string(key) + Latin1(value) + "\r\n";
    }
  };
  line("N:", (std::string(card.last) + ";" + card.first).c_str());
  line("TEL;HOME:", card.home);
  line("TEL;CELL:", card.cell);
  line("ORG:", card.org);
  line("EMAIL;INTERNET:", card.email);
  if (*card.address != '\0') {
    line("ADR:", (std::string(";;") + card.address).c_str());
  }
  if (card.vip) {
    text += "CATEGORIES:VIP\r\n";
  }
  return text + "END:VCARD\r\n";
}

void AppendLittleEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    out += static_cast<char>((value >> (8 * i)) & 0xFF);
  }
}

void AppendBigEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) {
    out += static_cast<char>((value >> (8 * i)) & 0xFF);
  }
}

// A 97 x 29 operator logo, one bit per pixel: a frame with a wave through it.
std::string DemoLogo() {
  constexpr int kWidth = 97;
  constexpr int kHeight = 29;
  constexpr int kStride = (kWidth + 31) / 32 * 4;
  constexpr int kPixelOffset = 14 + 40 + 8;
  std::string bmp = "BM";
  AppendLittleEndian(bmp, kPixelOffset + kStride * kHeight, 4);
  AppendLittleEndian(bmp, 0, 4);
  AppendLittleEndian(bmp, kPixelOffset, 4);
  AppendLittleEndian(bmp, 40, 4);  // BITMAPINFOHEADER
  AppendLittleEndian(bmp, kWidth, 4);
  AppendLittleEndian(bmp, kHeight, 4);
  AppendLittleEndian(bmp, 1, 2);  // planes
  AppendLittleEndian(bmp, 1, 2);  // bits per pixel
  AppendLittleEndian(bmp, 0, 4);  // no compression
  AppendLittleEndian(bmp, kStride * kHeight, 4);
  AppendLittleEndian(bmp, 2835, 4);
  AppendLittleEndian(bmp, 2835, 4);
  AppendLittleEndian(bmp, 2, 4);
  AppendLittleEndian(bmp, 2, 4);
  AppendLittleEndian(bmp, 0x00FFFFFF, 4);    // palette: 0 white
  AppendLittleEndian(bmp, 0x00000000, 4);    //          1 black
  for (int row = 0; row < kHeight; ++row) {  // bottom row first
    std::string line(kStride, '\0');
    for (int x = 0; x < kWidth; ++x) {
      const int wave = 14 + (x % 24 < 12 ? x % 12 - 6 : 6 - x % 12);
      const bool black = row == 0 || row == kHeight - 1 || x == 0 || x == kWidth - 1 ||
                         row == wave || row == wave + 1;
      if (black) {
        line[x / 8] = static_cast<char>(line[x / 8] | (0x80 >> (x % 8)));
      }
    }
    bmp += line;
  }
  return bmp;
}

// A short ring tone as a standard MIDI file (format 0, one track).
std::string DemoRingTone() {
  std::string track;
  const auto event = [&track](std::uint8_t delta, std::initializer_list<std::uint8_t> bytes) {
    track += static_cast<char>(delta);
    for (std::uint8_t b : bytes) {
      track += static_cast<char>(b);
    }
  };
  event(0, {0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20});  // 500000 us per quarter note
  event(0, {0xC0, 0x50});                          // square lead
  for (std::uint8_t note : {76, 75, 76, 75, 76, 71, 74, 72, 69}) {
    event(0, {0x90, note, 0x64});
    event(0x30, {0x80, note, 0x40});
  }
  event(0, {0xFF, 0x2F, 0x00});
  std::string midi = "MThd";
  AppendBigEndian(midi, 6, 4);
  AppendBigEndian(midi, 0, 2);     // format 0
  AppendBigEndian(midi, 1, 2);     // one track
  AppendBigEndian(midi, 0x60, 2);  // 96 ticks per quarter note
  midi += "MTrk";
  AppendBigEndian(midi, static_cast<std::uint32_t>(track.size()), 4);
  return midi + track;
}

}  // namespace

PhoneState DemoPhone() {
  PhoneState state;
  state.messages = DemoMessages();

  PhoneBooks& books = state.books;
  books.sim = DemoBook(books.sim, kSimEntries);
  books.fixedDialling = DemoBook(books.fixedDialling, kFixedDiallingEntries);
  books.ownNumbers = DemoBook(books.ownNumbers, kOwnNumbers);
  books.dialled = DemoBook(books.dialled, kDialled);
  books.missed = DemoBook(books.missed, kMissed);
  books.received = DemoBook(books.received, kReceived);
  for (const DemoCard& card : kCards) {
    state.objects["vcf"][card.index] = VCard(card);
  }
  for (auto& [index, text] : DemoOrganizer()) state.objects["vcs"][index] = std::move(text);
  state.objects["bmp"][0] = DemoLogo();
  state.objects["mid"][0] = DemoRingTone();
  return state;
}

}  // namespace telvane::sim
