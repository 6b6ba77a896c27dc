#include "controls/button/ButtonFaces.h"

#include <cmath>

#include "controls/button/ButtonPrimitives.h"

namespace quilnet::button {
namespace {

RECT Whole(const Face& f) { return RECT{0, 0, f.lw, f.lh}; }
Box All(const Face& f) { return Box{0, 0, f.lw, f.lh}; }
bool FocusedOrDefault(const ButtonLook& look) { return look.hasFocus || look.displayAsDefault; }

// Styles 0, 1, 11 and 12: the classic push button, from a full raised edge to a flat hot-only frame.
void DrawClassic(Face& f) {
  const ButtonLook& look = f.look;
  const int style = look.buttonStyle;
  const int lw = f.lw, lh = f.lh;
  if (!look.enabled) Edge(f.image.Direct(), Whole(f), EDGE_RAISED);
  if (f.checked) {
    f.image.Fill(All(f), ShiftColour(f.back, 0.02f));
    if (style == FlatHotThin) return;
    Edge(f.image.Direct(), Whole(f), EDGE_SUNKEN);
    if (style == Raised3D && look.showFocusRect && look.hasFocus) f.image.Frame({4, 4, lw - 7, lh - 7}, kAppWorkspace);
    return;
  }
  f.image.Fill(All(f), f.back);
  switch (look.buttonState) {
    case Normal:
      if (style == Raised3D) Edge(f.image.Direct(), Whole(f), EDGE_RAISED);
      if (style == RaisedSoft) Edge(f.image.Direct(), Whole(f), BDR_RAISEDINNER);
      break;
    case Hot:
      Edge(f.image.Direct(), Whole(f), (style == RaisedSoft || style == FlatHotThin) ? BDR_RAISEDINNER : EDGE_RAISED);
      break;
    case Down:
      if (style == Raised3D) {
        f.image.Frame({1, 1, lw - 2, lh - 2}, 0x99A8AC);
        f.image.Frame({0, 0, lw, lh}, kBlack);
      } else if (style == FlatHotRaised) {
        Edge(f.image.Direct(), Whole(f), EDGE_SUNKEN);
      } else {
        f.image.Frame({0, 0, lw, lh}, kWhite);
        f.image.Frame({0, 0, lw + 1, lh + 1}, kGrayText);
      }
      break;
    default: break;
  }
  if (!FocusedOrDefault(look)) return;
  const int inset = (style == Raised3D || style == FlatHotRaised) ? 4 : 3;
  f.FocusRect(RECT{inset, inset, lw - inset, lh - inset}, true);
  if (style == Raised3D && (look.buttonState == Normal || look.buttonState == Hot)) {
    // The default button's heavier outline.
    Edge(f.image.Direct(), RECT{0, 0, lw - 1, lh - 1}, EDGE_RAISED);
    f.image.Frame({0, 0, lw - 1, lh - 1}, kAppWorkspace);
    f.image.Frame({0, 0, lw, lh}, kBlack);
  }
}

// A rim of six lines inside the frame; the blue one marks focus, the orange one hover.
struct Rim {
  Colour top2, top1, sides, innerSides, innerBottom, bottom;
};
void DrawRim(const Face& f, const Rim& rim) {
  const int lw = f.lw, lh = f.lh;
  f.image.Line(1, 2, lw - 2, 2, rim.top2);
  f.image.Line(1, 1, lw - 2, 1, rim.top1);
  f.image.Line(1, 1, 1, lh - 2, rim.sides);
  f.image.Line(lw - 2, 2, lw - 2, lh - 2, rim.sides);
  f.image.Line(2, 2, 2, lh - 3, rim.innerSides);
  f.image.Line(lw - 3, 3, lw - 3, lh - 3, rim.innerSides);
  f.image.Line(2, lh - 3, lw - 2, lh - 3, rim.innerBottom);
  f.image.Line(2, lh - 2, lw - 2, lh - 2, rim.bottom);
}

void DrawRoundedFrame(Face& f) {
  const ButtonLook& look = f.look;
  const int lw = f.lw, lh = f.lh;
  const Colour back = f.back;
  if (!look.enabled) {
    f.image.Fill(All(f), ShiftColour(back, 0.03f));
    f.image.Frame({0, 0, lw, lh}, ShiftColour(back, -0.1f));
    f.image.CornerDots(ShiftColour(back, 0.2f));
    return;
  }
  const auto gradients = [&] {
    f.image.Gradient(0, 0, lw, lh, ShiftColour(back, 0.07f), back, kVertical);
    f.image.Gradient(0, 0, lw, 5, ShiftColour(back, 0.2f), ShiftColour(back, 0.08f), kVertical);
  };
  switch (look.buttonState) {
    case Normal:
      gradients();
      f.image.Line(1, lh - 2, lw - 2, lh - 2, ShiftColour(back, -0.09f));
      f.image.Line(1, lh - 3, lw - 2, lh - 3, ShiftColour(back, -0.05f));
      f.image.Line(1, lh - 4, lw - 2, lh - 4, ShiftColour(back, -0.01f));
      f.image.Line(lw - 2, 2, lw - 2, lh - 2, ShiftColour(back, -0.08f));
      f.image.Line(1, 1, 1, lh - 2, MixColour(kWhite, back));
      if (look.parentActive && FocusedOrDefault(look)) DrawRim(f, {0xF6D4BC, 0xFFE7CE, 0xE6AF8E, 0xF4D1B8, 0xE4AD89, 0xEE8269});
      break;
    case Hot:
      gradients();
      DrawRim(f, {0x89D8FD, 0xCFF0FF, 0x49BDF9, 0x7AD2FC, 0x30B3F8, 0x0097E5});
      break;
    case Down:
      f.image.Fill(All(f), ShiftColour(back, -0.05f));
      f.image.Line(1, 1, lw - 2, 1, ShiftColour(back, -0.16f));
      f.image.Line(1, 2, lw - 2, 2, ShiftColour(back, -0.1f));
      f.image.Line(1, lh - 2, lw - 2, lh - 2, ShiftColour(back, 0.07f));
      f.image.Line(1, 1, 1, lh - 2, ShiftColour(back, -0.16f));
      f.image.Line(2, 2, 2, lh - 2, ShiftColour(back, -0.1f));
      f.image.Line(lw - 2, 2, lw - 2, lh - 2, ShiftColour(back, 0.04f));
      break;
    default: break;
  }
  f.FocusRect(RECT{2, 2, lw - 2, lh - 2}, false);
  f.image.Frame({0, 0, lw, lh}, 0x743C00);
  f.image.CornerDots(ShiftColour(0x743C00, 0.3f));
}

void DrawContainerShade(Face& f) {
  ButtonLook& look = f.look;
  const int lw = f.lw, lh = f.lh;
  const Colour buttonText = TranslateColour(kButtonText);
  int state = look.buttonState;
  if (f.checked && !look.mouseDown) {
    f.image.Fill(All(f), 0xFEFEFE);
    look.foreColor = buttonText;
    f.image.Frame({0, 0, lw, lh}, 0xAF987A);
    f.image.CornerDots(ShiftColour(0xC1B3A0, -0.2f));
    if (state == Hot) {
      f.image.Line(lw - 2, 2, lw - 2, lh - 2, 0xEDF0F2);
      f.image.Line(2, lh - 2, lw - 2, lh - 2, 0xD8DEE4);
      f.image.Line(1, lh - 3, lw - 1, lh - 3, 0xE8ECEF);
      f.image.Line(1, lh - 4, lw - 1, lh - 4, 0xF8F9FA);
    }
    return;
  }
  if (f.checked) state = Down;
  switch (state) {
    case Normal: f.image.Fill(All(f), f.back); break;
    case Hot:
      f.image.Gradient(0, 0, lw, f.hh, 0xFDFEFE, 0xEEF4F4, kVertical);
      f.image.Gradient(0, f.hh, lw, f.hh, 0xEEF4F4, 0xEAF1F1, kVertical);
      f.image.Line(lw - 2, 2, lw - 2, lh - 2, 0xE0E7EA);
      f.image.Line(lw - 3, 2, lw - 3, lh - 2, 0xEAF0F0);
      f.image.Line(0, lh - 4, lw, lh - 4, 0xE5EDEE);
      f.image.Line(0, lh - 3, lw, lh - 3, 0xD6E1E4);
      f.image.Line(0, lh - 2, lw, lh - 2, 0xC6D2D7);
      f.image.Frame({0, 0, lw, lh}, 0xC3CECE);
      f.image.CornerDots(ShiftColour(0xC9D4D4, -0.05f));
      break;
    case Down:
      f.image.Fill(All(f), 0xDDE4E5);
      f.image.Line(1, 1, lw - 2, 1, ShiftColour(0xD1DADC, -0.02f));
      f.image.Line(1, 2, lw - 2, 2, ShiftColour(0xDAE1E3, -0.02f));
      f.image.Line(1, lh - 3, lw - 2, lh - 3, ShiftColour(0xDEE5E6, 0.02f));
      f.image.Line(1, lh - 2, lw - 2, lh - 2, ShiftColour(0xE5EAEB, 0.02f));
      f.image.Frame({0, 0, lw, lh}, 0x929D9D);
      f.image.CornerDots(ShiftColour(0xABB4B5, -0.2f));
      break;
    default: break;
  }
  look.foreColor = state == Down ? kWhite : buttonText;
}

void DrawRoundedBevel(Face& f) {
  const ButtonLook& look = f.look;
  const int lw = f.lw, lh = f.lh, hh = f.hh;
  const Colour back = f.back;
  if (!look.enabled) {
    f.image.Fill(All(f), ShiftColour(back, 0.03f));
    f.image.Frame({0, 0, lw, lh}, ShiftColour(back, -0.25f));
    f.image.Frame({1, 1, lw - 2, lh - 2}, ShiftColour(back, 0.25f));
    f.image.CornerDots(ShiftColour(back, -0.03f));
    return;
  }
  // Five-pixel bands down both sides, the upper from y = 3 to the middle, the lower from the middle on.
  const int upperBand = RoundHalfEven(lh / 2.0 - 2);
  const int lowerBand = RoundHalfEven(lh - lh / 2.0 - 1);
  const auto bands = [&](Colour upperOut, Colour upperIn, Colour lowerOut, Colour lowerIn) {
    f.image.Gradient(1, 3, 5, upperBand, upperOut, upperIn, kHorizontal);
    f.image.Gradient(1, hh, 5, lowerBand, lowerOut, lowerIn, kHorizontal);
    f.image.Gradient(lw - 6, 3, 5, upperBand, upperIn, upperOut, kHorizontal);
    f.image.Gradient(lw - 6, hh, 5, lowerBand, lowerIn, lowerOut, kHorizontal);
  };
  switch (look.buttonState) {
    case Normal:
      f.image.Gradient(1, 1, lw - 1, lh, ShiftColour(back, 0.05f), back, kVertical);
      f.image.Gradient(1, hh, lw - 2, lh - 2, ShiftColour(back, -0.02f), ShiftColour(back, -0.15f), kVertical);
      f.image.Frame({0, 0, lw, lh}, 0x707070);
      f.image.Frame({1, 1, lw - 2, lh - 2}, kWhite);
      break;
    case Hot:
      f.image.Gradient(1, 1, lw - 2, hh, 0xFFF7E4, 0xFFF3DA, kVertical);
      f.image.Gradient(1, hh, lw - 2, lh - 2, 0xFFE9C1, 0xFDE1AE, kVertical);
      bands(0xFFEECD, 0xFFF7E4, 0xFAD68F, ShiftColour(0xFDE1AC, 0.01f));
      f.image.Frame({0, 0, lw, lh}, 0xA77532);
      f.image.Frame({1, 1, lw - 2, lh - 2}, kWhite);
      break;
    case Down:
      f.image.Gradient(1, 1, lw - 1, lh, 0xF6E4C2, 0xF6E4C2, kVertical);
      f.image.Gradient(1, hh, lw - 2, lh - 2, 0xF0D29A, 0xF0D29A, kVertical);
      f.image.Frame({0, 0, lw, lh}, 0x5C411D);
      f.image.Line(1, 1, lw - 1, 1, 0xB39C71);
      f.image.Line(1, 2, lw - 1, 2, 0xD6C6A9);
      f.image.Line(1, 3, lw - 1, 3, 0xECD9B9);
      f.image.Line(1, 1, 1, RoundHalfEven(lh / 2.0 - 1), 0xCFB073);
      f.image.Line(1, hh, 1, lowerBand, 0xC5912B);
      bands(ShiftColour(0xE6C891, 0.02f), ShiftColour(0xF6E4C2, -0.01f), ShiftColour(0xDCAB4E, 0.02f),
            ShiftColour(0xF0D29A, -0.01f));
      break;
    default: break;
  }
  if (look.parentActive) {
    if (look.buttonState == Normal && FocusedOrDefault(look)) {
      f.image.Frame({0, 0, lw, lh}, 0xA77532);
      f.image.Frame({1, 1, lw - 2, lh - 2}, 0xFBD848);
    }
    if (look.showFocusRect && look.hasFocus) {
      const RECT focus{2, 2, lw - 2, lh - 2};
      DrawFocusRect(f.image.Direct(), &focus);
    }
  }
  f.image.CornerDots(0xBE965F);
}

void DrawSolidBlue(Face& f) {
  const ButtonLook& look = f.look;
  const int lw = f.lw, lh = f.lh;
  const Colour face = look.enabled ? f.back : ShiftColour(f.back, 0.1f);
  const bool down = look.buttonState == Down;
  if (down) {
    // The face moves three pixels right and down onto where its shadow was.
    f.image.Fill({3, 3, lw - 3, lh - 3}, face);
    f.image.Frame({3, 3, lw - 3, lh - 3}, ShiftColour(face, 0.3f));
  } else if (look.buttonState == Normal || look.buttonState == Hot) {
    f.image.Frame({6, 6, lw - 9, lh - 9}, 0x808080);
    f.image.Frame({5, 5, lw - 7, lh - 7}, 0xA0A0A0);
    f.image.Frame({4, 4, lw - 5, lh - 5}, 0xC0C0C0);
    f.image.Fill({0, 0, lw - 5, lh - 5}, face);
    f.image.Frame({0, 0, lw - 4, lh - 4}, ShiftColour(face, 0.3f));
  }
  if (look.parentActive && look.showFocusRect && FocusedOrDefault(look)) {
    // Inverting, and only for this rectangle: lines drawn later must not invert too.
    const int oldMode = SetROP2(f.image.Direct(), R2_NOT);
    const RECT focus = down ? RECT{6, 6, lw - 3, lh - 3} : RECT{3, 3, lw - 6, lh - 6};
    DrawFocusRect(f.image.Direct(), &focus);
    if (oldMode) SetROP2(f.image.Direct(), oldMode);
  }
}

void DrawSplitShade(Face& f) {
  const ButtonLook& look = f.look;
  const int lw = f.lw, lh = f.lh, hh = f.hh;
  const Colour back = f.back;
  const int state = look.enabled ? look.buttonState : Normal;
  if (state == Normal || state == Hot) {
    f.image.Gradient(0, 0, lw, hh, kWhite, back, kVertical);
    f.image.Gradient(0, hh, lw, lh, back, back, kVertical);
    f.image.Frame({1, 1, lw - 2, lh}, kWhite);
    f.image.Frame({0, 0, lw, lh}, ShiftColour(back, -0.2f));
    f.image.Line(2, lh - 1, lw - 2, lh - 1, ShiftColour(back, -0.25f));
  } else if (state == Down) {
    f.image.Gradient(0, 0, lw, hh, kWhite, ShiftColour(back, -0.1f), kVertical);
    f.image.Gradient(0, hh, lw, lh, ShiftColour(back, -0.1f), ShiftColour(back, -0.05f), kVertical);
    f.image.Frame({1, 1, lw - 2, lh}, kWhite);
    f.image.Frame({0, 0, lw, lh}, ShiftColour(back, -0.23f));
    f.image.CornerDots(ShiftColour(back, -0.1f));
    f.image.Line(2, lh - 1, lw - 2, lh - 1, ShiftColour(back, -0.4f));
  }
  f.image.CornerDots(ShiftColour(back, 0.05f));
  if (look.parentActive && look.showFocusRect && FocusedOrDefault(look)) DrawFocusRect(f.image.Direct(), &f.memory.captionFocusRect);
}

void DrawPaleBlueGloss(Face& f) {
  const ButtonLook& look = f.look;
  const int lw = f.lw, lh = f.lh;
  const Colour back = f.back;
  const int split = RoundHalfEven(lh / 2.7);
  const int lowerHeight = RoundHalfEven(lh - lh / 2.7);
  const auto bands = [&](Colour u1, Colour u2, Colour l1, Colour l2) {
    f.image.Gradient(0, 0, lw, split, u1, u2, kVertical);
    f.image.Gradient(0, split, lw, lowerHeight, l1, l2, kVertical);
  };
  const Colour frame = ShiftColour(back, -0.34f);
  if (f.checked) {
    bands(0xA9D9FF, 0x6FC0FF, 0x3FABFF, 0x75E1FF);
    f.image.Frame({0, 0, lw, lh}, frame);
    if (look.mouseInside) bands(0x58C1FF, 0x51AFFF, 0x468FFF, 0x5FD3FF);
  } else {
    switch (look.buttonState) {
      case Normal:
        f.image.Fill(All(f), back);
        bands(MixColour(ShiftColour(back, 0.09f), kWhite), MixColour(ShiftColour(back, 0.07f), back), back,
              ShiftColour(back, 0.03f));
        break;
      case Hot: bands(0xE1FFFF, 0xACEAFF, 0x67D7FF, 0x99E4FF); break;
      case Down: bands(0x58C1FF, 0x51AFFF, 0x468FFF, 0x5FD3FF); break;
      default: break;
    }
  }
  f.image.Frame({0, 0, lw, lh}, frame);
}

void DrawSplitGloss(Face& f) {
  const ButtonLook& look = f.look;
  const int lw = f.lw, lh = f.lh;
  if (!look.enabled) {
    f.image.Fill(All(f), f.back);
    f.image.CornerDots(f.back);
    return;
  }
  switch (look.buttonState) {
    case Normal: f.image.Fill(All(f), f.back); return;
    case Hot:
      f.image.Gradient(1, 1, lw - 2, lh - 2, 0xFDF9F1, 0xF8ECD0, kVertical);
      f.image.Gradient(1, RoundHalfEven(lh / 1.7), lw - 2, lh - 2, 0xF8ECD0, 0xF8ECD0, kVertical);
      break;
    case Down: f.image.Gradient(1, 1, lw - 2, lh - 2, 0xF1DEB0, 0xF9F1DB, kVertical); break;
    default: return;
  }
  f.image.Frame({0, 0, lw, lh}, 0xCA9E61);
  f.image.Frame({1, 1, lw - 2, lh - 2}, kWhite);
  f.image.CornerDots(ShiftColour(0xCA9E61, 0.3f));
}

void DrawFaceGradient(Face& f) {
  const ButtonLook& look = f.look;
  const int lw = f.lw, lh = f.lh;
  const auto plain = [&] { f.image.Gradient(0, 0, lw, lh, MixColour(ShiftColour(f.back, 0.26f), kWhite), f.back, kVertical); };
  if (!look.enabled) plain();
  if (f.checked) {
    f.image.Fill(All(f), 0xE8E6E1);
    f.image.Frame({0, 0, lw, lh}, ShiftColour(0x6F4B4B, 0.05f));
    if (look.buttonState == Hot) {
      f.image.Fill(All(f), 0xE2B598);
      f.image.Frame({0, 0, lw, lh}, 0xC56A31);
    }
    return;
  }
  switch (look.buttonState) {
    case Normal: plain(); break;
    case Hot:
      f.image.Fill(All(f), 0xEED2C1);
      f.image.Frame({0, 0, lw, lh}, 0xC56A31);
      break;
    case Down:
      f.image.Fill(All(f), 0xE2B598);
      f.image.Frame({0, 0, lw, lh}, 0x6F4B4B);
      break;
    default: break;
  }
}

void DrawPaleBlueBand(Face& f) {
  const int lw = f.lw, lh = f.lh;
  const Colour back = f.back;
  // Per state: how much lighter the face is, the lower band's two ends, and the frame.
  struct Band {
    float fill, highlight, highlightLift, lowerFrom, lowerTo, frame;
  };
  static constexpr Band kBands[] = {
      {0.0f, 0.0f, 0.1f, -0.05f, 0.1f, -0.33f},   // Normal
      {0.05f, 0.05f, 0.15f, 0.0f, 0.15f, -0.28f},  // Hot
      {-0.03f, 0.0f, 0.1f, -0.08f, 0.07f, -0.36f}, // Down
  };
  const int state = f.look.buttonState;
  if (state >= Normal && state <= Down) {
    const Band& b = kBands[state];
    const Colour face = ShiftColour(back, b.fill);
    f.image.Fill(All(f), face);
    f.image.Gradient(0, 0, lw, 5, ShiftColour(MixColour(ShiftColour(back, b.highlight), kWhite), b.highlightLift),
             ShiftColour(back, b.highlight), kVertical);
    f.image.Gradient(0, 6, lw, lh - 1, ShiftColour(back, b.lowerFrom), MixColour(kWhite, ShiftColour(back, b.lowerTo)),
             kVertical);
    f.image.Frame({0, 0, lw, lh}, ShiftColour(back, b.frame));
  }
  f.image.CornerDots(ShiftColour(back, -0.5f));
}

void DrawHotGradient(Face& f) {
  const ButtonLook& look = f.look;
  const int lw = f.lw, lh = f.lh;
  if (f.checked) {
    if (look.mouseInside) {
      f.image.Gradient(0, 0, lw, lh, 0x4E91FE, 0x8ED3FF, kVertical);
    } else {
      f.image.Gradient(0, 0, lw, lh, 0x8CD5FF, 0x55ADFF, kVertical);
    }
  } else {
    switch (look.buttonState) {
      case Normal:
        f.image.Gradient(0, 0, lw, f.hh, ShiftColour(f.back, 0.05f), f.back, kVertical);
        f.image.Gradient(0, f.hh, lw, RoundHalfEven(lh / 2.0 + 1), ShiftColour(f.back, -0.01f),
                 ShiftColour(f.back, -0.13f), kVertical);
        return;
      case Hot: f.image.Gradient(0, 0, lw, lh, 0xCCF4FF, 0x91D0FF, kVertical); break;
      case Down: f.image.Gradient(0, 0, lw, lh, 0x4E91FE, 0x8ED3FF, kVertical); break;
      default: return;
    }
  }
  f.image.Frame({0, 0, lw, lh}, 0x800000);
}

void DrawHorizontalGradient(Face& f) {
  const int lw = f.lw, lh = f.lh;
  if (f.look.buttonState == Down) {
    f.image.Gradient(0, 0, lw, lh, ShiftColour(f.back, -0.05f), ShiftColour(f.back, 0.03f), kHorizontal);
  } else {
    f.image.Gradient(0, 0, lw, lh, f.back, ShiftColour(f.back, 0.08f), kHorizontal);
  }
  f.image.Frame({0, 0, lw, lh}, 0x7D807E);
  if (FocusedOrDefault(f.look)) f.FocusRect(RECT{3, 3, lw - 3, lh - 3}, true);
}

}  // namespace


void Face::FocusRect(const RECT& rect, bool needsRunMode) const {
  if (!FocusedOrDefault(look) || !look.showFocusRect || !look.parentActive) return;
  if (needsRunMode && !look.userMode) return;
  DrawFocusRect(image.Direct(), &rect);
}

void DrawFace(Face& face) {
  switch (face.look.buttonStyle) {
    case Raised3D:
    case RaisedSoft:
    case FlatHotRaised:
    case FlatHotThin: DrawClassic(face); break;
    case RoundedFrame: DrawRoundedFrame(face); break;
    case ContainerShade: DrawContainerShade(face); break;
    case RoundedBevel: DrawRoundedBevel(face); break;
    case SolidBlue: DrawSolidBlue(face); break;
    case SplitShade: DrawSplitShade(face); break;
    case PaleBlueGloss: DrawPaleBlueGloss(face); break;
    case SplitGloss: DrawSplitGloss(face); break;
    case FaceGradient: DrawFaceGradient(face); break;
    case PaleBlueBand: DrawPaleBlueBand(face); break;
    case HotGradient: DrawHotGradient(face); break;
    case GlossyRounded: DrawGlossyRounded(face); break;
    case HorizontalGradient: DrawHorizontalGradient(face); break;
    default: break;
  }
}

}  // namespace quilnet::button
