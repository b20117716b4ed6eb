// The picture flow: start-up, one picture, seeding from the name, saving,
// and the three button handlers. Talks to the platform only through
// Form1's services, so the window and the headless renderer share it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "app/form1.h"

namespace gc {

void Form_Load(Form1& f);
// The fixed geometry start-up sets: the canvas loops' last column and row,
// and the world window they map onto.
void SetGeometry(PictureState& s);
void NewPicture(Form1& f);
void SeedFromName(Form1& f);
void SavePictureFile(Form1& f);

void Command5_Click(Form1& f);  // "repeat"
void Command3_Click(Form1& f);  // "save on C:\wimgx"
// "exit": asks the host to end the program at once (Form1::end_requested);
// the host's event pump throws ProgramEnd when it returns into a picture.
void Command2_Click(Form1& f);

// Where the save writes: folder + imeslike + ".bmp".
std::string SavePath(const Form1& f);
// What the name prompt accepts: at most 100 characters, each a to z or a
// space. `position` (1-based) and `character` name the first offending
// character; too_long is checked before any character is examined.
struct NameCheck {
  bool ok = true;
  bool too_long = false;
  std::size_t length = 0;     // characters, counted up to 101
  std::size_t position = 0;   // of the first rejected character
  char32_t character = 0;     // U+FFFD for an invalid UTF-8 byte
};
NameCheck CheckName(std::string_view utf8);

// Number of UTF-8 characters in `utf8`, counting no further than
// stop_after + 1; an invalid byte counts as one character.
std::size_t CountCharacters(std::string_view utf8, std::size_t stop_after);

}  // namespace gc
