#include "../support/DistinctValues.h"
#include "model/StrainAnalysis.h"
#include "model/StrainData.h"
#include "platform/NotificationCenter.h"
#include "platform/UndoManager.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;
const Matrix4 kIdentity{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

// A model with its undo manager that records every notification it posts.
class StrainDataTest : public ::testing::Test {
protected:
    StrainDataTest() {
        NotificationCenter::defaultCenter().addObserver(
            this, {}, &model, [this](const Notification& n) { posted.emplace_back(n.name); });
    }
    ~StrainDataTest() override { NotificationCenter::defaultCenter().removeObserver(this); }

    // One user event: its changes form one undo step.
    void event(const std::function<void()>& edit) {
        posted.clear();
        edit();
        undo.closeEventGroup();
    }
    Matrix4 strain() const {
        Matrix4 m;
        for (int i = 0; i < 16; ++i)
            m[i] = model.strainEntry(i);
        return m;
    }
    std::array<float, 3> row(int r) const {
        return {model.strainEntry(r), model.strainEntry(4 + r), model.strainEntry(8 + r)};
    }

    UndoManager undo;
    StrainData model{&undo};
    Names posted;
};

} // namespace

// Each constraint against each edited row: the row scales by new / old and
// the compensating row (if any) by old / new.
TEST_F(StrainDataTest, PreserveVolumeScalesTheEditedRowAndOneCompensatingRow) {
    // The constraint, the edited index, the compensating row (-1: none).
    const std::array<int, 3> cases[] = {{0, 0, -1}, {1, 4, 2},  {2, 8, 1},  {0, 5, 2}, {1, 1, -1},
                                        {2, 9, 0},  {0, 6, 1}, {1, 10, 0}, {2, 2, -1}};
    for (const auto& [constraint, index, compensating] : cases) {
        model.setPreserveVolume(0);
        const float start[9] = {2, 1, 3, 1, 4, 2, 3, 1, 5};
        for (int k = 0; k < 9; ++k)
            model.setStrain(k + k / 3, start[k]);
        const std::array<std::array<float, 3>, 3> rows{row(0), row(1), row(2)};
        model.setConstraint(constraint);
        model.setPreserveVolume(1);
        const float old = model.strainEntry(index), value = old * 2.5f;
        model.setStrain(index, value);
        for (int r = 0; r < 3; ++r) {
            const float f = r == index % 4 ? 2.5f : r == compensating ? 0.4f : 1;
            for (int col = 0; col < 3; ++col)
                EXPECT_FLOAT_EQ(row(r)[col], rows[r][col] * f)
                    << "constraint " << constraint << ", index " << index << ", row " << r;
        }
    }
}

TEST_F(StrainDataTest, PreserveVolumeSkipsZerosAndIsOneStep) {
    model.setPreserveVolume(1);
    model.setStrain(4, 0.7f); // from 0
    model.setStrain(5, 0.0f); // to 0
    EXPECT_EQ(row(0), (std::array<float, 3>{1, 0.7f, 0}));
    EXPECT_EQ(row(1), (std::array<float, 3>{0, 0, 0}));
    model.setStrain(5, 1.0f);
    model.setStrain(4, 0.0f);
    event([&] { model.setStrain(0, 2.0f); });
    EXPECT_EQ(posted, Names{"Strain Changed Notification"}) << "one post for the whole rule";
    EXPECT_EQ(row(1), (std::array<float, 3>{0, 0.5f, 0}));
    undo.undo();
    EXPECT_EQ(strain(), kIdentity);
}

// No number that is not finite enters the model, typed or computed: the
// value stays, nothing can be undone, and the notification tells the
// controls to show the value that stayed.
TEST_F(StrainDataTest, NonFiniteValuesAndResultsLeaveTheModelAsItWas) {
    StrainData& m = model;
    m.setPreserveVolume(1);
    m.setStrain(0, 1e30f); // finite, and row 1 becomes 1e-30
    undo.removeAllActions();
    const std::pair<const char*, std::function<void()>> edits[] = {
        {"Strain", [&] { m.setStrain(1, NAN); }},
        {"Strain", [&] { m.setStrain(0, 1e-30f); }}, // k = 1e60
        {"X", [&] { m.setTranslation(0, -INFINITY); }}, {"Distance", [&] { m.setZoom(200.0f); }},
        {"Color", [&] { m.setRed(0.5f, NAN, 0.5f); }},
        {"Point3 X", [&] { m.setPoint3(0, INFINITY); }},
        {"Flow", [&] { m.setVelocityGradient(MatrixIndex(2, 2), NAN); }},
        {"Time", [&] { m.setTime(INFINITY); }}, {"Strain", [&] { m.setStrainBlock({NAN}); }}};
    const StrainData::StringDictionary before = stored(model);
    for (const auto& [notification, apply] : edits) {
        event(apply);
        EXPECT_EQ(posted, Names{std::string(notification) + " Changed Notification"});
        EXPECT_EQ(stored(model), before) << notification;
        EXPECT_FALSE(undo.canUndo()) << notification;
    }
    // The velocity gradient has no fourth row or column.
    event([&] {
        m.setVelocityGradient(MatrixIndex(3, 0), 1);
        m.setVelocityGradient(MatrixIndex(0, 3), 1);
    });
    EXPECT_TRUE(posted.empty());
    EXPECT_EQ(stored(model), before);
    // A restart whose product overflows is not made.
    m.setTranslation(0, 1e30f);
    m.setSavedStrain(0, 1e30f);
    event([&] { m.accumulateStrain(); });
    EXPECT_TRUE(posted.empty());
    EXPECT_EQ(m.translation(0), 1e30f);
}

// Stretch x by 2 and move by (1, 0, 0), restart, then shear x += y and move
// by (0, 0, 3): the ellipsoid's gradient is F = S·V and its centre where the
// origin is carried. A second restart keeps the picture (gradient, centre,
// the points drawn at S·(u + t)) as the present strain becomes the identity.
TEST_F(StrainDataTest, RestartFoldsThePresentDeformationIntoTheSavedOne) {
    model.setStrain(0, 2);
    model.setTranslation(0, 1);
    model.accumulateStrain();
    model.setStrain(4, 1); // row 0, column 1
    model.setTranslation(2, 3);
    model.setPoint1(0, 1);
    undo.removeAllActions();
    const StrainAnalysis before = analyzeStrain(model);
    EXPECT_EQ(before.gradient, (AnalysisMatrix{{{2, 1, 0}, {0, 1, 0}, {0, 0, 1}}}));
    EXPECT_EQ(before.centre, (AnalysisVector{2, 0, 3}));

    event([&] { model.accumulateStrain(); });
    const StrainAnalysis after = analyzeStrain(model);
    EXPECT_EQ(after.gradient, before.gradient);
    EXPECT_EQ(after.centre, before.centre);
    EXPECT_EQ((std::array<float, 3>{model.point1(0), model.point1(1), model.point1(2)}),
              (std::array<float, 3>{1, 0, 3}));
    EXPECT_EQ(strain(), kIdentity);
    EXPECT_EQ(posted.size(), 13u) << "translation, strain and the nine point coordinates";
    EXPECT_FALSE(undo.canUndo()) << "a restart is not undoable";
}

TEST_F(StrainDataTest, ActingOnRightTransposesOnAChangeOfSide) {
    model.setStrain(4, 0.5f); // row 0, column 1
    model.setStrainMin(1, -2.0f);
    model.setSavedStrain(4, 7.0f);
    undo.removeAllActions();
    EXPECT_EQ(model.animatedIndex(), 4) << "field b is row 0, column 1";
    event([&] { model.setActingOnRight(1); });
    EXPECT_EQ(posted, Names{"ActingOn Changed Notification"});
    EXPECT_TRUE(model.strainEntry(1) == 0.5f && model.strainEntry(4) == 0.0f);
    EXPECT_EQ(model.strainMin(4), -2.0f);
    EXPECT_EQ(model.savedStrainMatrix()[4], 7.0f) << "the saved strain stays";
    EXPECT_EQ(model.animatedIndex(), 1);
    event([&] { model.setActingOnRight(1); }); // same side: no transposition
    EXPECT_EQ(model.strainEntry(1), 0.5f);
    undo.undo();
    undo.undo();
    EXPECT_TRUE(model.actingOnRight() == 0 && model.strainEntry(4) == 0.5f);
}


// A pick's scene position maps back to the sphere point that the shear
// x' = x + 2y and the translation (0.25, 0, 0) carry there, not through the
// transpose; a singular strain has none.
TEST_F(StrainDataTest, APickedPositionIsTheSpherePointCarriedThere) {
    model.setStrain(4, 2.0f);
    model.setTranslation(0, 0.25f);
    const double scene[3] = {0.48 + 0.25 + 2 * 0.64, 0.64, 0.6};
    const auto point = model.materialPointAt(scene);
    ASSERT_TRUE(point);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_NEAR((*point)[i], (std::array{0.48, 0.64, 0.6}[i]), 1e-6) << i;
    model.setStrain(10, 0.0f);
    EXPECT_FALSE(model.materialPointAt(scene));
}
