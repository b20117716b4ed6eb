#include "cli/card.h"

#include <gtest/gtest.h>

#include "tests/cli/helpers.h"

namespace gc::cli {
namespace {

using namespace testing;

TEST(Card, IsThePictureTheWindowShowsAfterStartUpAndCardsDoNotShareState) {
  const auto names = NamesWithDifferentBrushes(3);
  ASSERT_EQ(names.size(), 3u);
  // Rendered in one order, compared in another: nothing of one card may
  // leak into the next.
  std::vector<std::vector<std::uint32_t>> cards;
  for (const auto& name : names) cards.push_back(Pixels(RenderCard(name)));
  for (std::size_t k = names.size(); k-- > 0;) {
    SCOPED_TRACE(names[k]);
    const auto expected = FlowPicture(names[k]);
    EXPECT_TRUE(cards[k] == expected);
  }
  EXPECT_FALSE(cards[0] == cards[1]);
}

TEST(Card, PngAndBmpHoldTheSamePixelsAsTheCanvas) {
  const Canvas card = RenderCard(NamesWithDifferentBrushes(1).at(0));
  const auto pixels = Pixels(card);
  EXPECT_EQ(DecodeCard(EncodeCard(card, Format::Bmp)), pixels);
  EXPECT_EQ(DecodeCard(EncodeCard(card, Format::Png)), pixels);
  // Stand-alone colours survive in every channel, including values that a
  // colour-managed or premultiplying path would round.
  Canvas patch(700, 525);
  for (int x = 0; x < 256; ++x) {
    patch.PSet(static_cast<float>(x), 0, x);
    patch.PSet(static_cast<float>(x), 1, x << 8);
    patch.PSet(static_cast<float>(x), 2, x << 16);
    patch.PSet(static_cast<float>(x), 3, x * 0x010101 ^ 0x5A3C96);
  }
  EXPECT_EQ(DecodeCard(EncodeCard(patch, Format::Png)), Pixels(patch));
}

TEST(Card, InfoAgreesWithThePictureTheRendererMade) {
  for (const auto& name : NamesWithDifferentBrushes(4)) {
    SCOPED_TRACE(name);
    const CardInfo info = DrawCardInfo(name);
    auto w = std::make_unique<FlowWindow>(name);
    // The brush radius breathes from pixel to pixel; the first yield of the
    // scan comes after its two draws and before the first pixel.
    PictureState at_first_row;
    bool yielded = false;
    w->events.on_yield = [&] {
      if (!yielded) at_first_row = w->form.st;
      yielded = true;
    };
    Form_Load(w->form);
    ASSERT_TRUE(yielded);
    const PictureState& s = w->form.st;
    EXPECT_EQ(info.name, name);
    EXPECT_EQ(info.seed, s.seed);
    EXPECT_EQ(info.tip1, s.tip1);
    EXPECT_EQ(info.tip2, s.tip2);
    EXPECT_EQ(info.tip3, s.tip3);
    EXPECT_EQ(info.pozic0, s.pozic0);
    EXPECT_EQ(info.fi0, s.fi0);
    EXPECT_EQ(info.r0, s.r0);
    EXPECT_EQ(info.fak1, s.fak1);
    EXPECT_EQ(info.fak2, s.fak2);
    EXPECT_EQ(info.fak3, s.fak3);
    EXPECT_EQ(info.nac, s.nac);
    EXPECT_EQ(info.rr, at_first_row.rr);
    EXPECT_EQ(info.nac, at_first_row.nac);
  }
}

TEST(Card, RefusesANameThePromptWouldAskAgainFor) {
  EXPECT_THROW(RenderCard("Ana"), std::invalid_argument);
  EXPECT_THROW(DrawCardInfo(std::string(101, 'a')), std::invalid_argument);
}

}  // namespace
}  // namespace gc::cli
