// Kassenzettel: a till receipt in a text window. The program asks for a
// customer number and then for articles, quantities and prices, each with a
// line input of its own kind, and prints the receipt with German number
// formats, colours set by escape commands, inverse video and columns set with
// the cursor. The pasteboard works at every prompt: Ctrl-V pastes its first
// line, Ctrl-L copies the input, and "Bearbeiten" -> "Text kopieren" copies
// the finished receipt.
#include "program.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include <vxtools.h>

namespace kassenzettel {

namespace {

using namespace vx;

constexpr uint8_t Window = 0;
constexpr int64_t Columns = 60;
constexpr int64_t Lines = 20;
constexpr int64_t MostArticles = 8;

// Colours of the palette.
constexpr int Black = 0, Red = 1, Green = 12, Yellow = 13, Cyan = 14, White = 15;

// Escape commands inside printed text: ESC followed by '@' + n makes the text
// colour n, ESC followed by 'P' + n the background colour n.
std::string ink(int colour) { return std::string("\x1B") + static_cast<char>('@' + colour); }
std::string paper(int colour) { return std::string("\x1B") + static_cast<char>('P' + colour); }
// Control codes: 15 turns inverse video on, 14 off; 12 clears the window.
const std::string InverseOn = "\x0F", InverseOff = "\x0E", ClearWindow = "\x0C";

struct Article {
  std::string name;
  int64_t quantity;
  int64_t cents;  // price of one piece
};

// Cents as euros with a decimal comma and points between thousands,
// right-aligned so that the integer part takes `width` characters.
std::string euros(int64_t cents, int64_t width) {
  return doubletoformattedstring(32, width, 2, true, static_cast<double>(cents) / 100.0);
}

// A decimal number as the line input's decimal mode gives it ("2,49",
// "1,5e2") in cents, rounded to the nearest cent.
int64_t centsof(std::string text) {
  for (char& c : text)
    if (c == ',') c = '.';
  return std::llround(std::strtod(text.c_str(), nullptr) * 100.0);
}

void printline(const std::string& text) {
  t_Print(Window, text);
  t_Cr(Window);
}

void introduce() {
  t_Print(Window, ClearWindow + ink(White) + paper(Black));
  t_Header(Window, "Kassenzettel", "Beleg mit MwSt.");
  t_TextLine(Window);
  printline(ink(Cyan) + "Geben Sie die Artikel ein; ein leerer Artikel schließt ab.");
  printline("Strg-V setzt die Zwischenablage ein, Strg-L kopiert die Eingabe.");
  printline(ink(Green));
}

std::string askcustomer() {
  return t_InputForm(Window, "Kundennummer (z. B. 4711-08): ", "", false, InputDashedDigits, 10);
}

// Asks for up to MostArticles articles; an empty name ends the list.
std::vector<Article> askarticles() {
  std::vector<Article> articles;
  while (static_cast<int64_t>(articles.size()) < MostArticles) {
    const std::string number = inttostring(static_cast<int64_t>(articles.size()) + 1, 32, 1, false);
    const std::string name = t_InputForm(Window, number + ". Artikel: ", "", false, InputAnyText, 24);
    if (name.empty()) break;
    const std::string quantity = t_InputForm(Window, "   Menge: ", "1", false, InputInteger, 4);
    const std::string price = t_InputForm(Window, "   Preis in Euro: ", "", false, InputDecimal, 10);
    articles.push_back({name, binarytoint(stringtobinary(quantity)), centsof(price)});
  }
  return articles;
}

// One line of the receipt: name, quantity and sum in columns. A returned
// article (negative quantity) stands in red.
void printarticle(const Article& article) {
  const int64_t sum = article.quantity * article.cents;
  t_Print(Window, ink(sum < 0 ? Red : White) + article.name);
  t_Htab(Window, 28);
  t_Print(Window, inttostring(article.quantity, 32, 4, false) + " x" + euros(article.cents, 5));
  t_Htab(Window, 46);
  printline(euros(sum, 7) + " EUR");
}

void printreceipt(const std::string& customer, const std::vector<Article>& articles) {
  t_Print(Window, ClearWindow + ink(Black) + paper(White));
  t_Header(Window, "Kassenzettel", "Kunde " + customer);
  t_Print(Window, ink(White) + paper(Black));
  int64_t total = 0;
  for (const Article& article : articles) {
    printarticle(article);
    total += article.quantity * article.cents;
  }
  t_Print(Window, ink(Yellow));
  t_TextLine(Window);
  // The tax that a gross price of 119 % holds, rounded to the cent.
  const int64_t tax = std::llround(static_cast<double>(total) * 19.0 / 119.0);
  t_Print(Window, InverseOn + " Summe ");
  t_Htab(Window, 46);
  printline(euros(total, 7) + " EUR" + InverseOff);
  t_Print(Window, ink(White) + "darin 19 % MwSt.");
  t_Htab(Window, 46);
  printline(euros(tax, 7) + " EUR");
  printline(inttostring(static_cast<int64_t>(articles.size()), 32, 1, false) + " Artikel. Vielen Dank!");
  t_Cr(Window);
  printline(ink(Cyan) + "\"Bearbeiten\" -> \"Text kopieren\" kopiert den Beleg.");
}

}  // namespace

void program() {
  t_InitWindow(Window, 24, Columns, Lines, 16, "MenloRegular 16x32.font");
  t_WindowCenter(Window);
  t_WindowFront(Window);
  for (;;) {
    introduce();
    const std::string customer = askcustomer();
    printreceipt(customer, askarticles());
    // A prompt is printed with its control codes shown as letters, so the
    // colour is set before it.
    t_Print(Window, ink(Green));
    const std::string again = t_InputForm(Window, "Neuer Zettel (j/n)? ", "", false, InputAnyText, 1);
    if (again != "j" && again != "J") break;
  }
  t_QuitProgram(Window);
}

}  // namespace kassenzettel
