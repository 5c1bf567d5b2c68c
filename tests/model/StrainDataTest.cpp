#include "model/StrainData.h"
#include "model/StrainNotifications.h"
#include "platform/NotificationCenter.h"
#include "platform/UndoManager.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

const std::vector<std::string_view> kAllNotifications = {
    QuorvelColorChangedNotification,          QuorvelTranslucencyChangedNotification,
    QuorvelActingOnChangedNotification,       QuorvelAnimationFieldChangedNotification,
    QuorvelXChangedNotification,              QuorvelYChangedNotification,
    QuorvelZChangedNotification,              QuorvelMinChangedNotification,
    QuorvelMaxChangedNotification,            QuorvelStrainChangedNotification,
    QuorvelLightXChangedNotification,         QuorvelLightYChangedNotification,
    QuorvelLightZChangedNotification,         QuorvelDistanceChangedNotification,
    QuorvelProjectionChangedNotification,     QuorvelShowAxesChangedNotification,
    QuorvelMarkAxesChangedNotification,       QuorvelPreserveVolumeChangedNotification,
    QuorvelConstraintChangedNotification,     QuorvelShowPoint1ChangedNotification,
    QuorvelShowPoint2ChangedNotification,     QuorvelShowPoint3ChangedNotification,
    QuorvelPoint1XChangedNotification,        QuorvelPoint1YChangedNotification,
    QuorvelPoint1ZChangedNotification,        QuorvelPoint2XChangedNotification,
    QuorvelPoint2YChangedNotification,        QuorvelPoint2ZChangedNotification,
    QuorvelPoint3XChangedNotification,        QuorvelPoint3YChangedNotification,
    QuorvelPoint3ZChangedNotification,        QuorvelSetPoint1ChangedNotification,
    QuorvelSetPoint2ChangedNotification,      QuorvelSetPoint3ChangedNotification,
};

// Records, in order, every notification that one model posts.
class Recorder {
public:
    explicit Recorder(const StrainData& model) {
        for (std::string_view name : kAllNotifications)
            NotificationCenter::defaultCenter().addObserver(
                this, name, &model,
                [this](const Notification& n) { names.emplace_back(n.name); });
    }
    ~Recorder() { NotificationCenter::defaultCenter().removeObserver(this); }
    std::vector<std::string> names;
};

Matrix4 matrixOf(const StrainData& model) {
    Matrix4 m;
    for (int i = 0; i < 16; ++i)
        m[i] = model.strainEntry(i);
    return m;
}

Matrix4 savedOf(const StrainData& model) {
    Matrix4 m;
    for (int i = 0; i < 16; ++i)
        m[i] = model.savedStrainMatrix()[i];
    return m;
}

const Matrix4 kIdentity{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

float determinant3(const StrainData& m) {
    auto e = [&](int r, int c) { return static_cast<double>(m.strainEntry(4 * c + r)); };
    return static_cast<float>(e(0, 0) * (e(1, 1) * e(2, 2) - e(1, 2) * e(2, 1)) -
                              e(0, 1) * (e(1, 0) * e(2, 2) - e(1, 2) * e(2, 0)) +
                              e(0, 2) * (e(1, 0) * e(2, 1) - e(1, 1) * e(2, 0)));
}

// An edit as the inspector makes it: one event, one named step.
template <class Edit> void event(UndoManager& undo, Edit edit) {
    edit();
    undo.closeEventGroup();
}

// The row of the 3x3 block as (r,0), (r,1), (r,2).
std::vector<float> row(const StrainData& m, int r) {
    return {m.strainEntry(r), m.strainEntry(4 + r), m.strainEntry(8 + r)};
}

} // namespace

TEST(StrainData, DefaultsAndNothingToUndo) {
    UndoManager undo;
    StrainData model(&undo);
    EXPECT_EQ(matrixOf(model), kIdentity);
    EXPECT_EQ(savedOf(model), kIdentity);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(model.strainMin(i), 0.0f);
        EXPECT_EQ(model.strainMax(i), 1.0f);
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(model.color(i), 0.8f);
        EXPECT_EQ(model.translation(i), 0.0f);
        EXPECT_EQ(model.translationMin(i), 0.0f);
        EXPECT_EQ(model.translationMax(i), 1.0f);
        EXPECT_EQ(model.point1(i), 0.0f);
        EXPECT_EQ(model.point2(i), 0.0f);
        EXPECT_EQ(model.point3(i), 0.0f);
    }
    EXPECT_EQ(model.translucency(), 0.8f);
    EXPECT_EQ(model.actingOnRight(), 0);
    EXPECT_EQ(model.animationField(), 1);
    EXPECT_EQ(model.light(0), 0.0f);
    EXPECT_EQ(model.light(1), 0.0f);
    EXPECT_EQ(model.light(2), 9.0f);
    EXPECT_EQ(model.light(3), 0.0f);
    EXPECT_EQ(model.distance(), 10.0f);
    EXPECT_EQ(model.zoom(), 0.0f);
    EXPECT_EQ(model.projection(), 0);
    EXPECT_EQ(model.showAxes(), 1);
    EXPECT_EQ(model.markAxes(), 0);
    EXPECT_EQ(model.preserveVolume(), 0);
    EXPECT_EQ(model.constraint(), 2);
    EXPECT_EQ(model.showPoint1() + model.showPoint2() + model.showPoint3(), 0);
    EXPECT_EQ(model.pointToSet(), 0);

    undo.closeEventGroup();
    EXPECT_FALSE(undo.canUndo());
    EXPECT_TRUE(undo.isUndoRegistrationEnabled());
    EXPECT_EQ(undo.changeCount(), 0);
}

TEST(StrainData, WorksWithoutAnUndoManager) {
    StrainData model;
    Recorder recorder(model);
    model.setStrain(0, 2.0f);
    model.setTranslation(1, -0.5f);
    model.setZoom(1.0f);
    EXPECT_EQ(model.strainEntry(0), 2.0f);
    EXPECT_EQ(model.translation(1), -0.5f);
    EXPECT_EQ(model.distance(), 20.0f);
    EXPECT_EQ(recorder.names.size(), 3u);
}

// Each constraint against each edited row: which row compensates, if any.
TEST(StrainData, PreserveVolumeScalesTheEditedRowAndTheOneCompensatingRow) {
    struct Case {
        int constraint;
        int index;
        int compensating; // -1: none
    };
    const Case cases[] = {
        {0, 0, -1}, {1, 4, 2}, {2, 8, 1},  // edits in row 0
        {0, 5, 2},  {1, 1, -1}, {2, 9, 0}, // row 1
        {0, 6, 1},  {1, 10, 0}, {2, 2, -1} // row 2
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("constraint " + std::to_string(c.constraint) + ", index " +
                     std::to_string(c.index));
        StrainData model;
        // A full matrix, so every entry of every row is seen to scale.
        const float start[9] = {2, 1, 3, 1, 4, 2, 3, 1, 5};
        const int block[9] = {0, 1, 2, 4, 5, 6, 8, 9, 10};
        for (int k = 0; k < 9; ++k)
            model.setStrain(block[k], start[k]);
        const float before = determinant3(model);
        std::vector<std::vector<float>> rows = {row(model, 0), row(model, 1), row(model, 2)};

        model.setConstraint(c.constraint);
        model.setPreserveVolume(1);
        const float old = model.strainEntry(c.index);
        const float value = old * 2.5f;
        model.setStrain(c.index, value);

        const int edited = c.index % 4;
        for (int r = 0; r < 3; ++r) {
            const float factor = r == edited ? value / old : r == c.compensating ? old / value : 1;
            for (int col = 0; col < 3; ++col)
                EXPECT_FLOAT_EQ(row(model, r)[col], rows[r][col] * factor) << "row " << r;
        }
        EXPECT_EQ(model.strainEntry(c.index), value) << "the edited entry is stored exactly";
        if (c.compensating >= 0)
            EXPECT_NEAR(determinant3(model), before, 1e-3 * std::abs(before));
        else
            EXPECT_NEAR(determinant3(model), before * 2.5f, 1e-3 * std::abs(before));
    }
}

TEST(StrainData, PreserveVolumeSkipsZeroOldOrNewValues) {
    StrainData model;
    model.setPreserveVolume(1);
    model.setStrain(4, 0.7f); // off-diagonal entry that was 0
    EXPECT_EQ(row(model, 0), (std::vector<float>{1, 0.7f, 0}));
    EXPECT_EQ(row(model, 1), (std::vector<float>{0, 1, 0}));
    model.setStrain(5, 0.0f); // new value 0
    EXPECT_EQ(row(model, 1), (std::vector<float>{0, 0, 0}));
    EXPECT_EQ(row(model, 0), (std::vector<float>{1, 0.7f, 0}));
    EXPECT_EQ(row(model, 2), (std::vector<float>{0, 0, 1}));
}

TEST(StrainData, UndoOfAPreservedVolumeEditRestoresTheMatrixInOneStep) {
    UndoManager undo;
    StrainData model(&undo);
    Recorder recorder(model);
    event(undo, [&] { model.setPreserveVolume(1); });
    recorder.names.clear();
    event(undo, [&] {
        model.setStrain(0, 2.0f);
        undo.setActionName("Set A Value");
    });
    EXPECT_EQ(recorder.names, (std::vector<std::string>{"Strain Changed Notification"}));
    EXPECT_EQ(undo.undoMenuItemTitle(), "Undo Set A Value");

    undo.undo();
    EXPECT_EQ(matrixOf(model), kIdentity);
    EXPECT_EQ(undo.redoMenuItemTitle(), "Redo Set A Value");
    EXPECT_EQ(undo.undoMenuItemTitle(), "Undo") << "one step only, unnamed preserve-volume step";
    undo.redo();
    EXPECT_EQ(model.strainEntry(0), 2.0f);
    EXPECT_EQ(model.strainEntry(5), 0.5f);
}

TEST(StrainData, EverySetterRegistersItsInverseAndPostsItsNotification) {
    UndoManager undo;
    StrainData model(&undo);
    Recorder recorder(model);
    struct Edit {
        const char* notification;
        std::function<void()> apply;
        std::function<bool()> changed;
    };
    const std::vector<Edit> edits = {
        {"Color Changed Notification", [&] { model.setRed(0.1f, 0.2f, 0.3f); },
         [&] { return model.color(2) == 0.3f; }},
        {"Translucency Changed Notification", [&] { model.setTranslucency(0.4f); },
         [&] { return model.translucency() == 0.4f; }},
        {"AnimationField Changed Notification", [&] { model.setAnimationField(11); },
         [&] { return model.animationField() == 11; }},
        {"Y Changed Notification", [&] { model.setTranslation(1, -0.5f); },
         [&] { return model.translation(1) == -0.5f; }},
        {"Min Changed Notification", [&] { model.setTranslationMin(2, -3.0f); },
         [&] { return model.translationMin(2) == -3.0f; }},
        {"Max Changed Notification", [&] { model.setTranslationMax(0, 4.0f); },
         [&] { return model.translationMax(0) == 4.0f; }},
        {"Min Changed Notification", [&] { model.setStrainMin(5, 5.0f); },
         [&] { return model.strainMin(5) == 5.0f; }},
        {"Max Changed Notification", [&] { model.setStrainMax(5, 6.0f); },
         [&] { return model.strainMax(5) == 6.0f; }},
        {"Light Z Changed Notification", [&] { model.setLight(2, -2.0f); },
         [&] { return model.light(2) == -2.0f; }},
        {"Projection Changed Notification", [&] { model.setProjection(1); },
         [&] { return model.projection() == 1; }},
        {"ShowAxes Changed Notification", [&] { model.setShowAxes(0); },
         [&] { return model.showAxes() == 0; }},
        {"MarkAxes Changed Notification", [&] { model.setMarkAxes(1); },
         [&] { return model.markAxes() == 1; }},
        {"PreserveVolume Changed Notification", [&] { model.setPreserveVolume(1); },
         [&] { return model.preserveVolume() == 1; }},
        {"Constraint Changed Notification", [&] { model.setConstraint(0); },
         [&] { return model.constraint() == 0; }},
        {"ShowPoint1 Changed Notification", [&] { model.setShowPoint1(1); },
         [&] { return model.showPoint1() == 1; }},
        {"ShowPoint2 Changed Notification", [&] { model.setShowPoint2(1); },
         [&] { return model.showPoint2() == 1; }},
        {"ShowPoint3 Changed Notification", [&] { model.setShowPoint3(1); },
         [&] { return model.showPoint3() == 1; }},
        {"Point1 X Changed Notification", [&] { model.setPoint1(0, 0.25f); },
         [&] { return model.point1(0) == 0.25f; }},
        {"Point2 Y Changed Notification", [&] { model.setPoint2(1, 0.5f); },
         [&] { return model.point2(1) == 0.5f; }},
        {"Point3 Z Changed Notification", [&] { model.setPoint3(2, 0.75f); },
         [&] { return model.point3(2) == 0.75f; }},
        {"Strain Changed Notification", [&] { model.setStrain(9, 0.3f); },
         [&] { return model.strainEntry(9) == 0.3f; }},
    };
    for (const Edit& edit : edits) {
        SCOPED_TRACE(edit.notification);
        recorder.names.clear();
        event(undo, edit.apply);
        EXPECT_EQ(recorder.names, (std::vector<std::string>{edit.notification}));
        EXPECT_TRUE(edit.changed());
        recorder.names.clear();
        undo.undo();
        EXPECT_FALSE(edit.changed()) << "undo restores the old value";
        EXPECT_EQ(recorder.names, (std::vector<std::string>{edit.notification}))
            << "undo posts the same notification";
        undo.redo();
        EXPECT_TRUE(edit.changed());
    }
}

TEST(StrainData, SettingTheCurrentValueStillRegistersAndPosts) {
    UndoManager undo;
    StrainData model(&undo);
    Recorder recorder(model);
    event(undo, [&] { model.setShowAxes(1); });
    EXPECT_TRUE(undo.canUndo());
    EXPECT_EQ(recorder.names.size(), 1u);
}

TEST(StrainData, OutOfRangeComponentIndicesAreIgnored) {
    UndoManager undo;
    StrainData model(&undo);
    Recorder recorder(model);
    model.setLight(3, 5.0f);
    model.setTranslation(3, 1.0f);
    model.setPoint1(-1, 1.0f);
    model.setPoint3(3, 1.0f);
    EXPECT_TRUE(recorder.names.empty());
    EXPECT_EQ(model.light(3), 0.0f) << "the light stays directional";
    undo.closeEventGroup();
    EXPECT_FALSE(undo.canUndo());
}

namespace {

// strain * translate(translation) * savedStrain, computed in double precision.
std::array<double, 16> composite(const StrainData& m) {
    std::array<double, 16> t{};
    for (int i = 0; i < 4; ++i)
        t[5 * i] = 1;
    for (int i = 0; i < 3; ++i)
        t[12 + i] = m.translation(i);
    auto mul = [](const std::array<double, 16>& a, const std::array<double, 16>& b) {
        std::array<double, 16> out{};
        for (int c = 0; c < 4; ++c)
            for (int r = 0; r < 4; ++r)
                for (int k = 0; k < 4; ++k)
                    out[4 * c + r] += a[4 * k + r] * b[4 * c + k];
        return out;
    };
    std::array<double, 16> s{}, saved{};
    for (int i = 0; i < 16; ++i) {
        s[i] = m.strainEntry(i);
        saved[i] = m.savedStrainMatrix()[i];
    }
    return mul(mul(s, t), saved);
}

// Where a material point is shown: strain * translate(translation) * point.
std::array<double, 3> shown(const StrainData& m, const float* p) {
    std::array<double, 3> out{};
    for (int r = 0; r < 3; ++r) {
        out[r] = m.translation(0) * m.strainEntry(r) + m.translation(1) * m.strainEntry(4 + r) +
                 m.translation(2) * m.strainEntry(8 + r) + m.strainEntry(12 + r);
        for (int k = 0; k < 3; ++k)
            out[r] += m.strainEntry(4 * k + r) * p[k];
    }
    return out;
}

} // namespace

TEST(StrainData, AccumulateStrainExample) {
    StrainData model;
    model.setStrain(0, 2.0f);
    model.setTranslation(0, 1.0f);
    model.setPoint1(0, 1.0f);
    model.accumulateStrain();
    EXPECT_EQ(matrixOf(model), kIdentity);
    EXPECT_EQ(model.translation(0), 0.0f);
    EXPECT_EQ(savedOf(model), (Matrix4{2, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 2, 0, 0, 1}));
    EXPECT_EQ(model.point1(0), 4.0f);
    EXPECT_EQ(model.point1(1), 0.0f);
}

TEST(StrainData, AccumulateStrainKeepsThePictureAndPostsThirteenNotifications) {
    UndoManager undo;
    StrainData model(&undo);
    const float block[9] = {1.5f, 0.2f, -0.3f, 0.4f, 0.8f, 0.1f, -0.2f, 0.3f, 1.2f};
    const int index[9] = {0, 1, 2, 4, 5, 6, 8, 9, 10};
    for (int k = 0; k < 9; ++k)
        model.setStrain(index[k], block[k]);
    model.setTranslation(0, 0.5f);
    model.setTranslation(1, -1.0f);
    model.setTranslation(2, 2.0f);
    model.setPoint1(0, 1.0f);
    model.setPoint2(1, -0.5f);
    model.setPoint2(2, 0.25f);
    model.setPoint3(2, 1.0f);
    model.setPointToSet(2);
    model.setStrainMin(0, -1.0f);
    model.setPreserveVolume(1);
    // A first restart, so that the saved strain is not the identity either.
    model.accumulateStrain();
    model.setStrain(5, 1.7f);
    model.setTranslation(1, 0.3f);
    undo.closeEventGroup();
    undo.removeAllActions();

    const auto before = composite(model);
    const auto shown1 = shown(model, model.point1());
    const auto shown2 = shown(model, model.point2());
    const auto shown3 = shown(model, model.point3());

    Recorder recorder(model);
    model.accumulateStrain();

    const auto after = composite(model);
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(after[i], before[i], 1e-5) << "composite entry " << i;
    const auto now1 = shown(model, model.point1());
    const auto now2 = shown(model, model.point2());
    const auto now3 = shown(model, model.point3());
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(now1[i], shown1[i], 1e-5);
        EXPECT_NEAR(now2[i], shown2[i], 1e-5);
        EXPECT_NEAR(now3[i], shown3[i], 1e-5);
    }
    EXPECT_EQ(matrixOf(model), kIdentity);
    EXPECT_EQ(model.translation(1), 0.0f);

    EXPECT_EQ(recorder.names,
              (std::vector<std::string>{
                  "X Changed Notification", "Y Changed Notification", "Z Changed Notification",
                  "Strain Changed Notification", "Point1 X Changed Notification",
                  "Point1 Y Changed Notification", "Point1 Z Changed Notification",
                  "Point2 X Changed Notification", "Point2 Y Changed Notification",
                  "Point2 Z Changed Notification", "Point3 X Changed Notification",
                  "Point3 Y Changed Notification", "Point3 Z Changed Notification"}));

    // Nothing else moved, and nothing can be undone.
    EXPECT_EQ(model.strainMin(0), -1.0f);
    EXPECT_EQ(model.preserveVolume(), 1);
    EXPECT_EQ(model.pointToSet(), 2);
    undo.closeEventGroup();
    EXPECT_FALSE(undo.canUndo());

    // A second restart at once changes nothing but still posts.
    const Matrix4 saved = savedOf(model);
    const float p1 = model.point1(0);
    recorder.names.clear();
    model.accumulateStrain();
    EXPECT_EQ(savedOf(model), saved);
    EXPECT_EQ(model.point1(0), p1);
    EXPECT_EQ(recorder.names.size(), 13u);
}

TEST(StrainData, ActingOnRightTransposesOnlyOnAChangeOfSide) {
    UndoManager undo;
    StrainData model(&undo);
    model.setStrain(4, 0.5f);  // row 0, column 1
    model.setStrainMin(1, -2.0f);
    model.setStrainMax(8, 3.0f);
    model.setSavedStrain(4, 7.0f);
    undo.closeEventGroup();
    Recorder recorder(model);

    event(undo, [&] { model.setActingOnRight(1); });
    EXPECT_EQ(model.strainEntry(1), 0.5f);
    EXPECT_EQ(model.strainEntry(4), 0.0f);
    EXPECT_EQ(model.strainMin(4), -2.0f);
    EXPECT_EQ(model.strainMax(2), 3.0f);
    EXPECT_EQ(model.savedStrainMatrix()[4], 7.0f) << "the saved strain stays";
    EXPECT_EQ(recorder.names, (std::vector<std::string>{"ActingOn Changed Notification"}));

    event(undo, [&] { model.setActingOnRight(1); }); // same side: no transposition
    EXPECT_EQ(model.strainEntry(1), 0.5f);

    event(undo, [&] { model.setActingOnRight(0); });
    EXPECT_EQ(model.strainEntry(4), 0.5f);
    EXPECT_EQ(model.strainMin(1), -2.0f);

    undo.undo(); // back to right
    EXPECT_EQ(model.actingOnRight(), 1);
    EXPECT_EQ(model.strainEntry(1), 0.5f);
}

TEST(StrainData, ZoomIsUndoneByRestoringTheDistance) {
    UndoManager undo;
    StrainData model(&undo);
    Recorder recorder(model);
    event(undo, [&] { model.setZoom(1.0f); });
    EXPECT_EQ(model.distance(), 20.0f);
    EXPECT_EQ(model.zoom(), 0.0f) << "zoom changes the distance, never its own field";
    EXPECT_EQ(recorder.names, (std::vector<std::string>{"Distance Changed Notification"}));

    recorder.names.clear();
    undo.undo();
    EXPECT_EQ(model.distance(), 10.0f);
    EXPECT_EQ(recorder.names, (std::vector<std::string>{"Distance Changed Notification"}));
    EXPECT_FALSE(undo.canRedo()) << "setDistance registers nothing, so nothing to redo";

    event(undo, [&] { model.setZoom(-1.0f); });
    EXPECT_EQ(model.distance(), 5.0f);
    event(undo, [&] { model.setZoom(0.0f); });
    EXPECT_EQ(model.distance(), 5.0f);
    EXPECT_TRUE(undo.canUndo());
}

TEST(StrainData, SettersWithoutUndo) {
    UndoManager undo;
    StrainData model(&undo);
    model.setDistance(3.0f);
    model.setPointToSet(1);
    model.setSavedStrain(0, 2.0f);
    model.accumulateStrain();
    undo.closeEventGroup();
    EXPECT_FALSE(undo.canUndo());
}

TEST(StrainData, PointToSetTogglesAndPostsForOldAndNewPoints) {
    StrainData model;
    Recorder recorder(model);
    model.setPointToSet(2);
    EXPECT_EQ(model.pointToSet(), 2);
    EXPECT_EQ(recorder.names, (std::vector<std::string>{"Set Point2 Changed Notification"}));

    recorder.names.clear();
    model.setPointToSet(2);
    EXPECT_EQ(model.pointToSet(), 0);
    EXPECT_EQ(recorder.names, (std::vector<std::string>{"Set Point2 Changed Notification"}));

    model.setPointToSet(2);
    recorder.names.clear();
    model.setPointToSet(3);
    EXPECT_EQ(model.pointToSet(), 3);
    EXPECT_EQ(recorder.names, (std::vector<std::string>{"Set Point2 Changed Notification",
                                                         "Set Point3 Changed Notification"}));

    recorder.names.clear();
    model.setPointToSet(0);
    EXPECT_EQ(model.pointToSet(), 0);
    EXPECT_EQ(recorder.names, (std::vector<std::string>{"Set Point3 Changed Notification"}));

    recorder.names.clear();
    model.setPointToSet(0);
    EXPECT_TRUE(recorder.names.empty());
}

TEST(StrainData, BoundsAreNeitherValidatedNorClamped) {
    StrainData model;
    model.setStrainMin(0, 5.0f);
    model.setStrainMax(0, 1.0f);
    model.setStrain(0, 42.0f);
    model.setDistance(-3.0f);
    model.setRed(2.0f, -1.0f, 0.5f);
    EXPECT_EQ(model.strainMin(0), 5.0f);
    EXPECT_EQ(model.strainMax(0), 1.0f);
    EXPECT_EQ(model.strainEntry(0), 42.0f);
    EXPECT_EQ(model.distance(), -3.0f);
    EXPECT_EQ(model.color(0), 2.0f);
}
