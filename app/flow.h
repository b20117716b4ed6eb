// The picture flow: start-up, one picture, seeding from the name, saving,
// and the three button handlers. Talks to the platform only through
// Form1's services, so the window and the headless renderer share it.
#pragma once

#include "app/form1.h"

namespace gc {

void Form_Load(Form1& f);
void NewPicture(Form1& f);
void SeedFromName(Form1& f);
void SavePictureFile(Form1& f);

void Command5_Click(Form1& f);  // "repeat"
void Command3_Click(Form1& f);  // "save on C:\wimgx"
void Command2_Click(Form1& f);  // "exit"

}  // namespace gc
