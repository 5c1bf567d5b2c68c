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
        Names names = {"Color", "Translucency", "ActingOn", "AnimationField", "X", "Y", "Z",
                       "Min", "Max", "Strain", "Light X", "Light Y", "Light Z", "Distance",
                       "Projection", "ShowAxes", "MarkAxes", "PreserveVolume",
                       "ShowPrincipalAxes", "Constraint"};
        for (const char* point : {"1", "2", "3"}) {
            for (const char* prefix : {"ShowPoint", "Set Point"})
                names.push_back(prefix + std::string(point));
            for (const char* axis : {" X", " Y", " Z"})
                names.push_back("Point" + std::string(point) + axis);
        }
        for (const std::string& name : names)
            NotificationCenter::defaultCenter().addObserver(
                this, name + " Changed Notification", &model,
                [this](const Notification& n) { posted.emplace_back(n.name); });
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
    StrainData::StringDictionary stored() const {
        StrainData::StringDictionary d;
        model.convertToDictionary(d);
        return d;
    }

    UndoManager undo;
    StrainData model{&undo};
    Names posted;
};

} // namespace

// Each constraint against each edited row: the row scales by new / old and
// the compensating row (if any) by old / new.
TEST_F(StrainDataTest, PreserveVolumeScalesTheEditedRowAndOneCompensatingRow) {
    struct Case {
        int constraint, index, compensating; // -1: none
    };
    for (const Case c : {Case{0, 0, -1}, {1, 4, 2}, {2, 8, 1}, {0, 5, 2}, {1, 1, -1}, {2, 9, 0},
                         {0, 6, 1}, {1, 10, 0}, {2, 2, -1}}) {
        model.setPreserveVolume(0);
        const float start[9] = {2, 1, 3, 1, 4, 2, 3, 1, 5};
        for (int k = 0; k < 9; ++k)
            model.setStrain(k + k / 3, start[k]);
        const std::array<std::array<float, 3>, 3> rows{row(0), row(1), row(2)};
        model.setConstraint(c.constraint);
        model.setPreserveVolume(1);
        const float old = model.strainEntry(c.index), value = old * 2.5f;
        model.setStrain(c.index, value);
        for (int r = 0; r < 3; ++r) {
            const float f = r == c.index % 4 ? 2.5f : r == c.compensating ? 0.4f : 1;
            for (int col = 0; col < 3; ++col)
                EXPECT_FLOAT_EQ(row(r)[col], rows[r][col] * f)
                    << "constraint " << c.constraint << ", index " << c.index << ", row " << r;
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

// Indices outside their ranges change, register and post nothing, and read
// as 0. (That each setter is undoable is seen through the inspector.)
TEST_F(StrainDataTest, IndicesOutOfRangeChangeNothing) {
    StrainData& m = model;
    undo.removeAllActions();
    const StrainData::StringDictionary before = stored();
    event([&] {
        m.setLight(3, 5);
        m.setPoint3(3, 1);
        m.setStrain(-48, 1);
        m.setStrainMax(16, 1);
        m.setTranslationMin(3, 1);
        m.setSavedStrain(16, 1);
    });
    EXPECT_EQ(stored(), before);
    EXPECT_TRUE(posted.empty());
    EXPECT_FALSE(undo.canUndo());
    for (float read : {m.light(3), m.strainEntry(-48), m.strainMax(16), m.translation(3), m.point2(-1)})
        EXPECT_EQ(read, 0.0f);
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
        {"X", [&] { m.setTranslation(0, -INFINITY); }},
        {"Color", [&] { m.setRed(0.5f, NAN, 0.5f); }},
        {"Point3 X", [&] { m.setPoint3(0, INFINITY); }},
        {"Distance", [&] { m.setZoom(200.0f); }},
    };
    const StrainData::StringDictionary before = stored();
    for (const auto& [notification, apply] : edits) {
        event(apply);
        EXPECT_EQ(posted, Names{std::string(notification) + " Changed Notification"});
        EXPECT_EQ(stored(), before) << notification;
        EXPECT_FALSE(undo.canUndo()) << notification;
    }
    // A restart whose product overflows is not made.
    m.setTranslation(0, 1e30f);
    m.setSavedStrain(0, 1e30f);
    event([&] { m.accumulateStrain(); });
    EXPECT_TRUE(posted.empty());
    EXPECT_EQ(m.translation(0), 1e30f);
}

// A restart keeps the picture: the ellipsoid (present map after the saved
// strain) and the points (present map) stay where they are, as the present
// strain becomes the identity.
TEST_F(StrainDataTest, RestartFoldsThePresentDeformationIntoTheSavedOne) {
    const auto picture = [&] {
        Matrix4 present = strain(), moved, composite;
        present[12] = present[13] = present[14] = 0;
        Matrix4 translate = kIdentity;
        for (int i = 0; i < 3; ++i)
            translate[12 + i] = model.translation(i);
        MultiplyMatrices(strain(), translate, moved);
        Matrix4 saved;
        std::copy_n(model.savedStrainMatrix(), 16, saved.begin());
        MultiplyMatrices(moved, saved, composite);
        std::vector<float> out(composite.begin(), composite.end());
        for (const float* p : {model.point1(), model.point2(), model.point3()}) {
            Vector3 image;
            MultiplyMatrixVectorAffine(moved, {p[0], p[1], p[2]}, image);
            out.insert(out.end(), image.begin(), image.end());
        }
        return out;
    };
    const float block[9] = {1.5f, 0.2f, -0.3f, 0.4f, 0.8f, 0.1f, -0.2f, 0.3f, 1.2f};
    for (int k = 0; k < 9; ++k)
        model.setStrain(k + k / 3, block[k]);
    for (int i = 0; i < 3; ++i)
        model.setTranslation(i, 0.5f - i);
    model.setPoint1(0, 1.0f);
    model.setPoint2(1, -0.5f);
    model.setPoint3(2, 1.0f);
    model.accumulateStrain(); // so that the saved strain is not the identity either
    model.setStrain(5, 1.7f);
    model.setTranslation(1, 0.3f);
    undo.removeAllActions();

    const std::vector<float> before = picture();
    event([&] { model.accumulateStrain(); });
    const std::vector<float> after = picture();
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_NEAR(after[i], before[i], 1e-5) << i;
    EXPECT_EQ(strain(), kIdentity);
    EXPECT_EQ(model.translation(1), 0.0f);
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

