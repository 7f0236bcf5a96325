// The guide is one character: every body of it is drawn whole inside its
// picture, in the same fur and face colours, with face where the screens lay
// its closed eyes and its talking mouth.
#include "guide_figure.h"
#include "painter.h"
#include "placements.h"
#include "screen_lists.h"
#include "text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <vector>

namespace {

using vocassets::Art;
using vocassets::Canvas;
using vocassets::PictureRow;

std::vector<const PictureRow*> Bodies() {
    std::vector<const PictureRow*> bodies;
    for (const PictureRow& row : vocassets::PictureRows()) {
        if (row.art == Art::Monkey) {
            bodies.push_back(&row);
        }
    }
    return bodies;
}

std::string FrameName(const PictureRow& row, int frame) {
    return frame == 0 ? std::string(row.name) : row.name + std::to_string(frame) + ".bmp";
}

int Count(const Canvas& c, vocassets::Colour colour) {
    int n = 0;
    for (vocassets::Colour p : c.Pixels()) {
        n += p == colour ? 1 : 0;
    }
    return n;
}

// The middle of each side of the box, two pixels in: the rim of the face
// colour an overlay paints round its eyes or mouth.
void ExpectFaceUnder(const Canvas& c, const vocassets::Box& box, const std::string& what) {
    const int x0 = int(box.x);
    const int y0 = int(box.y);
    const int w = int(box.w);
    const int h = int(box.h);
    const int points[][2] = {{x0 + 2, y0 + h / 2},
                             {x0 + w - 3, y0 + h / 2},
                             {x0 + w / 2, y0 + 2},
                             {x0 + w / 2, y0 + h - 3}};
    for (const auto& pt : points) {
        ASSERT_TRUE(pt[0] >= 0 && pt[1] >= 0 && pt[0] < c.Width() && pt[1] < c.Height())
            << what << " leaves the picture at " << pt[0] << "," << pt[1];
        EXPECT_EQ(c.At(pt[0], pt[1]), vocassets::kFace)
            << what << " at " << pt[0] << "," << pt[1] << " lies off the face";
    }
}

TEST(GuidePictures, EveryBodyIsTheSameMonkeyDrawnWholeWithItsFaceUnderItsEyesAndMouth) {
    vocassets::TextRenderer text(vocassets::DefaultFontPath());
    std::vector<const PictureRow*> bodies = Bodies();
    ASSERT_GE(bodies.size(), 30u);
    for (const PictureRow* row : bodies) {
        for (int frame = row->frames > 1 ? 1 : 0; frame <= (row->frames > 1 ? row->frames : 0);
             ++frame) {
            const std::string name = FrameName(*row, frame);
            Canvas c = vocassets::PaintPicture(*row, frame, text);
            // Nothing drawn in the outer two pixels: no ear, arm or hat cut at the edge.
            int touching = 0;
            for (int y = 0; y < c.Height(); ++y) {
                for (int x = 0; x < c.Width(); ++x) {
                    bool ring = x < 2 || y < 2 || x >= c.Width() - 2 || y >= c.Height() - 2;
                    touching += ring && c.At(x, y) != vocassets::kKey ? 1 : 0;
                }
            }
            EXPECT_EQ(touching, 0) << name << " is cut at its picture's edge";
            // The same fur and face on every body, plenty of each.
            const int area = c.Width() * c.Height();
            EXPECT_GT(Count(c, vocassets::kFur), area / 30) << name << " lacks the guide's fur";
            EXPECT_GT(Count(c, vocassets::kFace), area / 80) << name << " lacks the guide's face";

            vocassets::GuideFace face = vocassets::FaceOfGuide(*row);
            if (face.eyesLaid && frame <= 1) {
                ExpectFaceUnder(c, face.eyes, name + "'s closed eyes");
            }
            if (face.mouthLaid) {
                ExpectFaceUnder(c, face.mouth, name + "'s mouth");
            }
        }
    }
}

TEST(GuidePictures, TheOverlaysFaceMatchesTheBodies) {
    vocassets::TextRenderer text(vocassets::DefaultFontPath());
    for (const PictureRow& row : vocassets::PictureRows()) {
        bool guideEyes =
            row.art == Art::Eyes && std::string(row.name).find("ufo") == std::string::npos;
        if (!guideEyes && row.art != Art::Mouth) {
            continue;
        }
        Canvas c = vocassets::PaintPicture(row, row.frames > 1 ? 1 : 0, text);
        int x = row.eyeX != 0 || row.eyeY != 0 ? row.eyeX + 2 : 2;
        int y = row.eyeX != 0 || row.eyeY != 0 ? row.eyeY + 11 : row.height / 2;
        EXPECT_EQ(c.At(x, y), vocassets::kFace) << row.name << " is not the guide's face colour";
    }
}

// Risen, the sunrise face has its face where the days' screen lays its mouth.
TEST(GuidePictures, TheSunriseFaceTalksOnItsFace) {
    vocassets::TextRenderer text(vocassets::DefaultFontPath());
    const PictureRow* face = vocassets::FindPictureRow("sunrisemonkeyface");
    const PictureRow* mouth = vocassets::FindPictureRow("sunmonkeymouth");
    auto faceAt = vocassets::PlaceOf("sunrisemonkeyface");
    auto mouthAt = vocassets::PlaceOf("sunmonkeymouth");
    ASSERT_TRUE(face && mouth && faceAt && mouthAt);
    Canvas risen = vocassets::PaintPicture(*face, face->frames, text);
    vocassets::Box box{double(mouthAt->x - faceAt->x), double(mouthAt->y - faceAt->y),
                       double(mouth->width), double(mouth->height)};
    ExpectFaceUnder(risen, box, "sunrisemonkeyface's mouth");
    EXPECT_GT(Count(risen, vocassets::kFur), 2000);
}

// The eyes and mouth a body is drawn for are those its screens create with it.
TEST(GuidePictures, EachBodyIsDrawnForTheEyesAndMouthItsScreensLayOnIt) {
    int checked = 0;
    for (const vocassets::ScreenList& screen : vocassets::ScreenLists()) {
        std::span<const CreationRecord> records = screen.list();
        auto creates = [&](std::string_view picture) {
            return std::any_of(records.begin(), records.end(),
                               [&](const CreationRecord& r) { return picture == r.picture; });
        };
        for (const CreationRecord& record : records) {
            const PictureRow* row = vocassets::FindPictureRow(record.picture);
            if (row == nullptr || row->art != Art::Monkey) {
                continue;
            }
            vocassets::GuideFace face = vocassets::FaceOfGuide(*row);
            if (face.eyesLaid) {
                EXPECT_TRUE(creates(face.eyesPicture))
                    << row->name << " without " << face.eyesPicture;
            }
            if (face.mouthLaid) {
                EXPECT_TRUE(creates(face.mouthPicture))
                    << row->name << " without " << face.mouthPicture;
            }
            ++checked;
        }
    }
    EXPECT_GE(checked, 20);
}

// The rows the screens lay eyes and mouth by keep them apart and inside the body.
TEST(GuidePictures, EyesAndMouthLieInsideTheirBodies) {
    for (const PictureRow* row : Bodies()) {
        vocassets::GuideFace face = vocassets::FaceOfGuide(*row);
        for (const vocassets::Box* box : {&face.eyes, &face.mouth}) {
            EXPECT_GE(box->x, 0) << row->name;
            EXPECT_GE(box->y, 0) << row->name;
            EXPECT_LE(box->x + box->w, row->width) << row->name;
            EXPECT_LE(box->y + box->h, row->height) << row->name;
        }
        EXPECT_TRUE(row->eyeX != 0 || row->eyeY != 0) << row->name << " has no face place";
    }
}

} // namespace
