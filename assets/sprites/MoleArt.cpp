// SPDX-License-Identifier: GPL-3.0-or-later
#include "MoleArt.h"

#include <QLineF>

#include <algorithm>
#include <cmath>

#include "HoleArt.h"
#include "Inks.h"
#include "SpriteSheetLayout.h"

namespace zunpeko::art {

namespace {

struct CoatInks {
    QRgb edge;
    QRgb shade;
    QRgb body;
    QRgb light;
    QRgb muzzle;
    QRgb muzzleShade;
};

CoatInks InksOf(Coat coat) {
    switch (coat) {
        case Coat::Yellow:
            return {ink::kYellowEdge,  ink::kYellowShade, ink::kYellow,
                    ink::kYellowLight, ink::kMuzzle,      ink::kMuzzleShade};
        case Coat::White:
            return {ink::kWhiteEdge, ink::kWhiteShade, ink::kWhite,
                    ink::kWhite,     ink::kMuzzle,     ink::kMuzzleShade};
        case Coat::Ordinary:
            break;
    }
    return {ink::kMoleEdge,  ink::kMoleShade, ink::kMole,
            ink::kMoleLight, ink::kMuzzle,    ink::kMuzzleShade};
}

// Mirror images about the cell's middle column, for the symmetric face.
constexpr int kMiddleColumn = 31;
int MirrorX(int x) {
    return 2 * kMiddleColumn - x;
}
double MirrorCentre(double cx) {
    return 2 * kMiddleColumn + 1 - cx;
}

void SetPair(PixelCanvas& layer, int x, int y, QRgb colour) {
    layer.Set(x, y, colour);
    layer.Set(MirrorX(x), y, colour);
}

void FillEllipsePair(PixelCanvas& layer, double cx, double cy, double rx, double ry, QRgb colour) {
    layer.FillEllipse(cx, cy, rx, ry, colour);
    layer.FillEllipse(MirrorCentre(cx), cy, rx, ry, colour);
}

PixelCanvas NewLayer() {
    return {sprites::kCellSize, sprites::kCellSize};
}

// A pear-shaped body, round head on top, wider where it sinks into the hole;
// lit from the upper left.
PixelCanvas Body(const CoatInks& inks, double top) {
    PixelCanvas body = NewLayer();
    body.FillEllipse(31.5, top + 15, 15.5, 15, inks.body);
    body.FillEllipse(31.5, top + 36, 17.5, 16, inks.body);
    body.FillRect(14, static_cast<int>(top) + 36, 35, sprites::kCellSize, inks.body);
    body.Recolour(inks.body, inks.shade,
                  [&](int x, int y) { return !InEllipse(x, y, 29.5, top + 20, 16, 40); });
    body.Recolour(inks.body, inks.light, [&](int x, int y) {
        return InEllipse(x, y, 25.5, top + 6, 5.5, 2.5) || InEllipse(x, y, 31.5, top + 42, 8, 9);
    });
    body.Outline(inks.edge);
    return body;
}

void DrawEyes(PixelCanvas& face, int top, Face look) {
    if (look == Face::Laughing) {
        // Screwed shut with laughter: two little arches.
        SetPair(face, 23, top + 13, ink::kEye);
        SetPair(face, 24, top + 12, ink::kEye);
        SetPair(face, 25, top + 12, ink::kEye);
        SetPair(face, 26, top + 13, ink::kEye);
        return;
    }
    for (const int x : {24, 37}) {
        face.FillRect(x, top + 11, 2, 3, ink::kEye);
        face.Set(x, top + 11, ink::kSpark);
    }
}

void DrawMouth(PixelCanvas& face, int top, Face look) {
    face.Set(kMiddleColumn, top + 17, ink::kNoseDark);
    switch (look) {
        case Face::Smiling:
            SetPair(face, 28, top + 18, ink::kNoseDark);
            SetPair(face, 29, top + 19, ink::kNoseDark);
            SetPair(face, 30, top + 19, ink::kNoseDark);
            face.Set(kMiddleColumn, top + 18, ink::kNoseDark);
            return;
        case Face::Cheering:
            face.FillEllipse(31.5, top + 20.5, 3.5, 2.8, ink::kMouth);
            face.Recolour(ink::kMouth, ink::kTongue,
                          [&](int x, int y) { return y >= top + 21 && x > 28 && x < 34; });
            return;
        case Face::Laughing:
            face.FillEllipse(31.5, top + 18, 5, 5, ink::kMouth);
            face.EraseWhere([&](int, int y) { return y < top + 18; });
            face.Recolour(ink::kMouth, ink::kTongue, [&](int, int y) { return y >= top + 21; });
            return;
    }
}

PixelCanvas FaceOf(const CoatInks& inks, int top, Face look) {
    PixelCanvas face = NewLayer();
    face.FillEllipse(31.5, top + 19.5, 7.5, 4.5, inks.muzzle);
    face.Recolour(inks.muzzle, inks.muzzleShade, [&](int, int y) { return y >= top + 22; });
    DrawMouth(face, top, look);
    FillEllipsePair(face, 20.5, top + 18.5, 3, 2, ink::kCheek);
    face.FillEllipse(31.5, top + 15.5, 2.5, 1.8, ink::kNose);
    face.Set(30, top + 14, ink::kSpark);
    DrawEyes(face, top, look);
    return face;
}

// A limb as a row of overlapping round stamps from one end to the other.
void FillLimb(PixelCanvas& layer, QPointF from, QPointF to, double radius, QRgb colour) {
    const double length = QLineF(from, to).length();
    const int stamps = std::max(1, static_cast<int>(std::ceil(length)));
    for (int i = 0; i <= stamps; ++i) {
        const QPointF at = from + (to - from) * (static_cast<double>(i) / stamps);
        layer.FillEllipse(at.x(), at.y(), radius, radius, colour);
    }
}

PixelCanvas PawsOnRim(const CoatInks& inks) {
    PixelCanvas paws = NewLayer();
    FillEllipsePair(paws, 22.5, 55, 4.5, 2.5, ink::kPaw);
    paws.Outline(inks.edge);
    for (const int x : {20, 22, 24}) {
        SetPair(paws, x, 56, ink::kPawShade);
    }
    return paws;
}

PixelCanvas RaisedArms(const CoatInks& inks, double top) {
    PixelCanvas arms = NewLayer();
    for (const bool right : {false, true}) {
        const auto x = [right](double left) { return right ? MirrorCentre(left) : left; };
        PixelCanvas arm = NewLayer();
        FillLimb(arm, {x(17.5), top + 32}, {x(9.5), top + 15}, 2.6, inks.body);
        arm.FillEllipse(x(8.5), top + 11.5, 3.5, 3.5, ink::kPaw);
        arm.Outline(inks.edge);
        arms.DrawOver(arm);
    }
    return arms;
}

// Forearms crossed in front of the chest: the left one rises under the right,
// and each paw rests near the other elbow.
PixelCanvas FoldedArms(const CoatInks& inks, double top) {
    PixelCanvas under = NewLayer();
    FillLimb(under, {18.5, top + 34}, {41.5, top + 31.5}, 2.8, inks.body);
    under.FillEllipse(44.5, top + 29.5, 2.5, 2.2, ink::kPaw);
    under.Outline(inks.edge);
    PixelCanvas over = NewLayer();
    FillLimb(over, {44.5, top + 34}, {22.5, top + 31.5}, 2.8, inks.body);
    over.FillEllipse(19.5, top + 31, 2.5, 2.2, ink::kPaw);
    over.Recolour(inks.body, inks.shade, [&](int, int y) { return y >= top + 36; });
    over.Outline(inks.edge);
    PixelCanvas arms = NewLayer();
    arms.DrawOver(under);
    arms.DrawOver(over);
    return arms;
}

}  // namespace

PixelCanvas DrawMole(PixelCanvas& cell, const Mole& mole) {
    const CoatInks inks = InksOf(mole.coat);
    const double top = mole.top;
    PixelCanvas rising = Body(inks, top);
    rising.DrawOver(FaceOf(inks, mole.top, mole.face));
    if (mole.arms == Arms::Raised) {
        rising.DrawOver(RaisedArms(inks, top));
    } else if (mole.arms == Arms::Folded) {
        rising.DrawOver(FoldedArms(inks, top));
    }
    rising.EraseWhere([](int x, int y) { return !hole::ShowsRiser(x, y); });
    cell.DrawOver(rising);
    hole::DrawNearRim(cell);

    PixelCanvas silhouette = rising;
    if (mole.arms == Arms::OnRim) {
        const PixelCanvas paws = PawsOnRim(inks);
        cell.DrawOver(paws);
        silhouette.DrawOver(paws);
    }
    return silhouette;
}

}  // namespace zunpeko::art
