#include "app/flow.h"

#include "overlays/overlays.h"
#include "params/params.h"
#include "render/render.h"

namespace gc {

void Form_Load(Form1&) {}
void NewPicture(Form1&) {}
void SeedFromName(Form1&) {}
void SavePictureFile(Form1&) {}
void Command5_Click(Form1&) {}
void Command3_Click(Form1&) {}
void Command2_Click(Form1&) {}

}  // namespace gc
