#include "model/StrainData.h"
#include "model/StrainNotifications.h"
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

// A model with its undo manager that records, in order, every notification
// the model posts.
class StrainDataTest : public ::testing::Test {
  protected:
    StrainDataTest() {
        for (std::string_view name :
             {QuorvelColorChangedNotification,      QuorvelTranslucencyChangedNotification,
              QuorvelActingOnChangedNotification,   QuorvelAnimationFieldChangedNotification,
              QuorvelXChangedNotification,          QuorvelYChangedNotification,
              QuorvelZChangedNotification,          QuorvelMinChangedNotification,
              QuorvelMaxChangedNotification,        QuorvelStrainChangedNotification,
              QuorvelLightXChangedNotification,     QuorvelLightYChangedNotification,
              QuorvelLightZChangedNotification,     QuorvelDistanceChangedNotification,
              QuorvelProjectionChangedNotification, QuorvelShowAxesChangedNotification,
              QuorvelMarkAxesChangedNotification,   QuorvelPreserveVolumeChangedNotification,
              QuorvelShowPrincipalAxesChangedNotification,
              QuorvelConstraintChangedNotification, QuorvelShowPoint1ChangedNotification,
              QuorvelShowPoint2ChangedNotification, QuorvelShowPoint3ChangedNotification,
              QuorvelPoint1XChangedNotification,    QuorvelPoint1YChangedNotification,
              QuorvelPoint1ZChangedNotification,    QuorvelPoint2XChangedNotification,
              QuorvelPoint2YChangedNotification,    QuorvelPoint2ZChangedNotification,
              QuorvelPoint3XChangedNotification,    QuorvelPoint3YChangedNotification,
              QuorvelPoint3ZChangedNotification,    QuorvelSetPoint1ChangedNotification,
              QuorvelSetPoint2ChangedNotification,  QuorvelSetPoint3ChangedNotification})
            NotificationCenter::defaultCenter().addObserver(
                this, name, &model, [this](const Notification& n) { posted.emplace_back(n.name); });
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
    Matrix4 saved() const {
        Matrix4 m;
        std::copy_n(model.savedStrainMatrix(), 16, m.begin());
        return m;
    }
    std::array<float, 3> row(int r) const {
        return {model.strainEntry(r), model.strainEntry(4 + r), model.strainEntry(8 + r)};
    }
    double determinant() const {
        auto e = [&](int r, int c) { return static_cast<double>(model.strainEntry(4 * c + r)); };
        return e(0, 0) * (e(1, 1) * e(2, 2) - e(1, 2) * e(2, 1)) -
               e(0, 1) * (e(1, 0) * e(2, 2) - e(1, 2) * e(2, 0)) +
               e(0, 2) * (e(1, 0) * e(2, 1) - e(1, 1) * e(2, 0));
    }

    UndoManager undo;
    StrainData model{&undo};
    Names posted;
};

} // namespace

TEST_F(StrainDataTest, DefaultsAndNothingToUndo) {
    EXPECT_EQ(strain(), kIdentity);
    EXPECT_EQ(saved(), kIdentity);
    for (int i = 0; i < 16; ++i)
        EXPECT_TRUE(model.strainMin(i) == 0.0f && model.strainMax(i) == 1.0f) << i;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(model.color(i), 0.8f);
        EXPECT_TRUE(model.translation(i) == 0 && model.translationMin(i) == 0 &&
                    model.translationMax(i) == 1 && model.point1(i) == 0 && model.point2(i) == 0 &&
                    model.point3(i) == 0)
            << i;
    }
    EXPECT_EQ(
        (std::array<float, 4>{model.light(0), model.light(1), model.light(2), model.light(3)}),
        (std::array<float, 4>{0, 0, 9, 0}));
    EXPECT_EQ(model.translucency(), 0.8f);
    EXPECT_EQ(model.distance(), 10.0f);
    EXPECT_EQ(model.zoom(), 0.0f);
    EXPECT_EQ((std::array<int, 12>{model.actingOnRight(), model.animationField(),
                                   model.projection(), model.showAxes(), model.markAxes(),
                                   model.showPrincipalAxes(), model.preserveVolume(),
                                   model.constraint(), model.showPoint1(), model.showPoint2(),
                                   model.showPoint3(), model.pointToSet()}),
              (std::array<int, 12>{0, 1, 0, 1, 0, 0, 0, 2, 0, 0, 0, 0}));
    undo.closeEventGroup();
    EXPECT_FALSE(undo.canUndo());
    EXPECT_TRUE(undo.isUndoRegistrationEnabled());

    StrainData alone; // without an undo manager it works all the same
    alone.setZoom(1.0f);
    EXPECT_EQ(alone.distance(), 20.0f);
}

// Each constraint against each edited row of a full matrix: row r scales by
// new / old, the compensating row (if any) by old / new.
TEST_F(StrainDataTest, PreserveVolumeScalesTheEditedRowAndOneCompensatingRow) {
    struct Case {
        int constraint, index, compensating; // -1: none
    };
    for (const Case c : {Case{0, 0, -1},
                         {1, 4, 2},
                         {2, 8, 1},
                         {0, 5, 2},
                         {1, 1, -1},
                         {2, 9, 0},
                         {0, 6, 1},
                         {1, 10, 0},
                         {2, 2, -1}}) {
        SCOPED_TRACE(testing::Message() << "constraint " << c.constraint << ", index " << c.index);
        model.setPreserveVolume(0);
        const float start[9] = {2, 1, 3, 1, 4, 2, 3, 1, 5};
        for (int k = 0; k < 9; ++k)
            model.setStrain(k + k / 3, start[k]);
        const double before = determinant();
        const std::array<std::array<float, 3>, 3> rows{row(0), row(1), row(2)};
        model.setConstraint(c.constraint);
        model.setPreserveVolume(1);
        const float old = model.strainEntry(c.index), value = old * 2.5f;
        model.setStrain(c.index, value);
        for (int r = 0; r < 3; ++r) {
            const float f = r == c.index % 4 ? value / old : r == c.compensating ? old / value : 1;
            for (int col = 0; col < 3; ++col)
                EXPECT_FLOAT_EQ(row(r)[col], rows[r][col] * f) << "row " << r;
        }
        EXPECT_EQ(model.strainEntry(c.index), value);
        EXPECT_NEAR(determinant(), c.compensating >= 0 ? before : before * 2.5, 1e-3 * before);
    }
}

TEST_F(StrainDataTest, PreserveVolumeSkipsZeroValuesAndUndoesInOneStep) {
    model.setPreserveVolume(1);
    model.setStrain(4, 0.7f); // old value 0
    model.setStrain(6, 0.0f); // new value 0 (was 0 too)
    model.setStrain(5, 0.0f); // new value 0
    EXPECT_EQ(row(0), (std::array<float, 3>{1, 0.7f, 0}));
    EXPECT_EQ(row(1), (std::array<float, 3>{0, 0, 0}));
    EXPECT_EQ(row(2), (std::array<float, 3>{0, 0, 1}));

    model.setStrain(5, 1.0f);
    model.setStrain(4, 0.0f);
    event([&] {
        model.setStrain(0, 2.0f);
        undo.setActionName("Set A Value");
    });
    EXPECT_EQ(posted, Names{"Strain Changed Notification"}) << "one post for the whole rule";
    EXPECT_EQ(row(0), (std::array<float, 3>{2, 0, 0}));
    EXPECT_EQ(row(1), (std::array<float, 3>{0, 0.5f, 0}));
    undo.undo();
    EXPECT_EQ(strain(), kIdentity);
    EXPECT_EQ(undo.redoMenuItemTitle(), "Redo Set A Value");
    EXPECT_EQ(undo.undoActionName(), "") << "one step, not one per changed entry";
}

TEST_F(StrainDataTest, EverySetterRegistersItsInverseAndPostsItsNotification) {
    struct Edit {
        const char* notification;
        std::function<void()> apply;
        std::function<bool()> applied;
    };
    StrainData& m = model;
    const Edit edits[] = {
        {"Color Changed Notification", [&] { m.setRed(.1f, .2f, .3f); },
         [&] { return m.color(2) == .3f; }},
        {"Translucency Changed Notification", [&] { m.setTranslucency(.4f); },
         [&] { return m.translucency() == .4f; }},
        {"AnimationField Changed Notification", [&] { m.setAnimationField(11); },
         [&] { return m.animationField() == 11; }},
        {"Y Changed Notification", [&] { m.setTranslation(1, -.5f); },
         [&] { return m.translation(1) == -.5f; }},
        {"Min Changed Notification", [&] { m.setTranslationMin(2, -3); },
         [&] { return m.translationMin(2) == -3; }},
        {"Max Changed Notification", [&] { m.setTranslationMax(0, 4); },
         [&] { return m.translationMax(0) == 4; }},
        {"Min Changed Notification", [&] { m.setStrainMin(5, 5); },
         [&] { return m.strainMin(5) == 5; }},
        {"Max Changed Notification", [&] { m.setStrainMax(5, 6); },
         [&] { return m.strainMax(5) == 6; }},
        {"Light Z Changed Notification", [&] { m.setLight(2, -2); },
         [&] { return m.light(2) == -2; }},
        {"Projection Changed Notification", [&] { m.setProjection(1); },
         [&] { return m.projection() == 1; }},
        {"ShowAxes Changed Notification", [&] { m.setShowAxes(0); },
         [&] { return m.showAxes() == 0; }},
        {"MarkAxes Changed Notification", [&] { m.setMarkAxes(1); },
         [&] { return m.markAxes() == 1; }},
        {"ShowPrincipalAxes Changed Notification", [&] { m.setShowPrincipalAxes(1); },
         [&] { return m.showPrincipalAxes() == 1; }},
        {"PreserveVolume Changed Notification", [&] { m.setPreserveVolume(1); },
         [&] { return m.preserveVolume() == 1; }},
        {"Constraint Changed Notification", [&] { m.setConstraint(0); },
         [&] { return m.constraint() == 0; }},
        {"ShowPoint1 Changed Notification", [&] { m.setShowPoint1(1); },
         [&] { return m.showPoint1() == 1; }},
        {"ShowPoint2 Changed Notification", [&] { m.setShowPoint2(1); },
         [&] { return m.showPoint2() == 1; }},
        {"ShowPoint3 Changed Notification", [&] { m.setShowPoint3(1); },
         [&] { return m.showPoint3() == 1; }},
        {"Point1 X Changed Notification", [&] { m.setPoint1(0, .25f); },
         [&] { return m.point1(0) == .25f; }},
        {"Point2 Y Changed Notification", [&] { m.setPoint2(1, .5f); },
         [&] { return m.point2(1) == .5f; }},
        {"Point3 Z Changed Notification", [&] { m.setPoint3(2, .75f); },
         [&] { return m.point3(2) == .75f; }},
        {"Strain Changed Notification", [&] { m.setStrain(9, .3f); },
         [&] { return m.strainEntry(9) == .3f; }},
    };
    for (const Edit& edit : edits) {
        SCOPED_TRACE(edit.notification);
        event(edit.apply);
        EXPECT_EQ(posted, Names{edit.notification});
        EXPECT_TRUE(edit.applied());
        posted.clear();
        undo.undo();
        EXPECT_EQ(posted, Names{edit.notification}) << "undo posts the same notification";
        EXPECT_FALSE(edit.applied()) << "undo restores the old value";
        undo.redo();
        EXPECT_TRUE(edit.applied());
    }

    // A value equal to the current one still registers and posts.
    undo.removeAllActions();
    event([&] { m.setShowAxes(m.showAxes()); });
    EXPECT_TRUE(undo.canUndo());
    EXPECT_EQ(posted.size(), 1u);

    // Indices outside their ranges (0..15, 0..2) change, register and post
    // nothing, and read as 0.
    undo.removeAllActions();
    StrainData::StringDictionary before, after;
    m.convertToDictionary(before);
    event([&] {
        m.setLight(3, 5);
        m.setTranslation(3, 1);
        m.setPoint1(-1, 1);
        m.setPoint3(3, 1);
        m.setStrain(-48, 1);
        m.setStrain(16, 1);
        m.setStrainMin(-30000, 1);
        m.setStrainMax(16, 1);
        m.setTranslationMin(3, 1);
        m.setTranslationMax(-1, 1);
        m.setSavedStrain(16, 1);
        m.setAnimationField(-7); // the slider then drives no index
        m.setStrain(m.animatedIndex(), 1);
    });
    EXPECT_EQ(posted, Names{"AnimationField Changed Notification"});
    m.setAnimationField(11);
    m.convertToDictionary(after);
    EXPECT_EQ(after, before);
    EXPECT_EQ(m.light(3), 0.0f) << "the light stays directional";
    for (float read : {m.strainEntry(-48), m.strainMin(16), m.strainMax(-1), m.translation(3),
                       m.translationMin(-7), m.translationMax(13), m.color(3), m.point2(-1)})
        EXPECT_EQ(read, 0.0f);
}

// No number that is not finite enters the model, typed or computed: the
// value stays, nothing can be undone, and the notification tells the
// controls to show the value that stayed.
TEST_F(StrainDataTest, NonFiniteValuesAndResultsLeaveTheModelAsItWas) {
    const float inf = INFINITY;
    StrainData& m = model;
    m.setPreserveVolume(1);
    m.setStrain(0, 1e30f); // finite, and row 1 becomes 1e-30
    m.setStrainMax(4, 2.0f);
    undo.closeEventGroup();
    undo.removeAllActions();
    struct Edit {
        const char* notification;
        std::function<void()> apply;
    };
    const Edit edits[] = {
        {"Strain Changed Notification", [&] { m.setStrain(1, NAN); }},
        {"Strain Changed Notification", [&] { m.setStrain(0, 1e-30f); }}, // k = 1e60
        {"Max Changed Notification", [&] { m.setStrainMax(4, inf); }},
        {"X Changed Notification", [&] { m.setTranslation(0, -inf); }},
        {"Color Changed Notification", [&] { m.setRed(0.5f, NAN, 0.5f); }},
        {"Translucency Changed Notification", [&] { m.setTranslucency(inf); }},
        {"Light Y Changed Notification", [&] { m.setLight(1, NAN); }},
        {"Point3 X Changed Notification", [&] { m.setPoint3(0, inf); }},
        {"Distance Changed Notification", [&] { m.setZoom(200.0f); }},
    };
    StrainData::StringDictionary before;
    m.convertToDictionary(before);
    for (const Edit& edit : edits) {
        SCOPED_TRACE(edit.notification);
        event(edit.apply);
        EXPECT_EQ(posted, Names{edit.notification});
        StrainData::StringDictionary after;
        m.convertToDictionary(after);
        EXPECT_EQ(after, before);
        EXPECT_FALSE(undo.canUndo());
    }
    // A restart whose product overflows is not made.
    m.setTranslation(0, 1e30f);
    m.setSavedStrain(0, 1e30f);
    posted.clear();
    m.accumulateStrain();
    EXPECT_TRUE(posted.empty());
    EXPECT_EQ(m.translation(0), 1e30f);
    EXPECT_EQ(m.savedStrainMatrix()[0], 1e30f);
}

TEST_F(StrainDataTest, AccumulateStrainExample) {
    model.setStrain(0, 2.0f);
    model.setTranslation(0, 1.0f);
    model.setPoint1(0, 1.0f);
    model.accumulateStrain();
    EXPECT_EQ(strain(), kIdentity);
    EXPECT_EQ(model.translation(0), 0.0f);
    EXPECT_EQ(saved(), (Matrix4{2, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 2, 0, 0, 1}));
    EXPECT_EQ(model.point1(0), 4.0f);
}

namespace {

using Matrix4d = std::array<double, 16>;

Matrix4d product(const Matrix4d& a, const Matrix4d& b) {
    Matrix4d out{};
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            for (int k = 0; k < 4; ++k)
                out[4 * c + r] += a[4 * k + r] * b[4 * c + k];
    return out;
}

// strain * translate(translation), in double precision: what the view applies
// to the saved strain and to the material points.
Matrix4d presentMap(const StrainData& m) {
    Matrix4d s{}, t{};
    for (int i = 0; i < 16; ++i)
        s[i] = m.strainEntry(i);
    for (int i = 0; i < 4; ++i)
        t[5 * i] = 1;
    for (int i = 0; i < 3; ++i)
        t[12 + i] = m.translation(i);
    return product(s, t);
}

// The composite, then the three shown points as further columns' images.
std::vector<double> picture(const StrainData& m) {
    const Matrix4d map = presentMap(m);
    Matrix4d saved;
    std::copy_n(m.savedStrainMatrix(), 16, saved.begin());
    const Matrix4d composite = product(map, saved);
    std::vector<double> out(composite.begin(), composite.end());
    for (const float* p : {m.point1(), m.point2(), m.point3()})
        for (int r = 0; r < 3; ++r)
            out.push_back(map[r] * p[0] + map[4 + r] * p[1] + map[8 + r] * p[2] + map[12 + r]);
    return out;
}

} // namespace

TEST_F(StrainDataTest, AccumulateStrainKeepsThePictureAndPostsThirteenNotifications) {
    const float block[9] = {1.5f, 0.2f, -0.3f, 0.4f, 0.8f, 0.1f, -0.2f, 0.3f, 1.2f};
    for (int k = 0; k < 9; ++k)
        model.setStrain(k + k / 3, block[k]);
    for (int i = 0; i < 3; ++i)
        model.setTranslation(i, 0.5f - i);
    model.setPoint1(0, 1.0f);
    model.setPoint2(1, -0.5f);
    model.setPoint3(2, 1.0f);
    model.setPointToSet(2);
    model.setPreserveVolume(1);
    model.accumulateStrain(); // so that the saved strain is not the identity either
    model.setStrain(5, 1.7f);
    model.setTranslation(1, 0.3f);
    undo.removeAllActions();

    const std::vector<double> before = picture(model);
    posted.clear();
    model.accumulateStrain();
    const std::vector<double> after = picture(model);
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_NEAR(after[i], before[i], 1e-5) << i;
    EXPECT_EQ(strain(), kIdentity);
    EXPECT_EQ(model.translation(1), 0.0f);
    EXPECT_EQ(posted,
              (Names{"X Changed Notification", "Y Changed Notification", "Z Changed Notification",
                     "Strain Changed Notification", "Point1 X Changed Notification",
                     "Point1 Y Changed Notification", "Point1 Z Changed Notification",
                     "Point2 X Changed Notification", "Point2 Y Changed Notification",
                     "Point2 Z Changed Notification", "Point3 X Changed Notification",
                     "Point3 Y Changed Notification", "Point3 Z Changed Notification"}));
    EXPECT_EQ(model.preserveVolume(), 1);
    EXPECT_EQ(model.pointToSet(), 2);
    undo.closeEventGroup();
    EXPECT_FALSE(undo.canUndo());

    // A second restart at once changes nothing but still posts.
    const std::vector<double> once = picture(model);
    const Matrix4 savedOnce = saved();
    posted.clear();
    model.accumulateStrain();
    EXPECT_EQ(saved(), savedOnce);
    EXPECT_EQ(picture(model), once);
    EXPECT_EQ(posted.size(), 13u);
}

TEST_F(StrainDataTest, ActingOnRightTransposesOnlyOnAChangeOfSide) {
    model.setStrain(4, 0.5f); // row 0, column 1
    model.setStrainMin(1, -2.0f);
    model.setStrainMax(8, 3.0f);
    model.setSavedStrain(4, 7.0f);
    event([&] { model.setActingOnRight(1); });
    EXPECT_EQ(posted, Names{"ActingOn Changed Notification"});
    EXPECT_TRUE(model.strainEntry(1) == 0.5f && model.strainEntry(4) == 0.0f);
    EXPECT_TRUE(model.strainMin(4) == -2.0f && model.strainMax(2) == 3.0f);
    EXPECT_EQ(model.savedStrainMatrix()[4], 7.0f) << "the saved strain stays";
    event([&] { model.setActingOnRight(1); }); // same side: no transposition
    EXPECT_EQ(model.strainEntry(1), 0.5f);
    event([&] { model.setActingOnRight(0); });
    EXPECT_TRUE(model.strainEntry(4) == 0.5f && model.strainMin(1) == -2.0f);
    undo.undo();
    EXPECT_TRUE(model.actingOnRight() == 1 && model.strainEntry(1) == 0.5f);
}

TEST_F(StrainDataTest, ZoomIsUndoneByRestoringTheDistance) {
    event([&] { model.setZoom(1.0f); });
    EXPECT_EQ(model.distance(), 20.0f);
    EXPECT_EQ(model.zoom(), 0.0f) << "zoom changes the distance, never its own field";
    EXPECT_EQ(posted, Names{"Distance Changed Notification"});
    posted.clear();
    undo.undo();
    EXPECT_EQ(model.distance(), 10.0f);
    EXPECT_EQ(posted, Names{"Distance Changed Notification"});
    EXPECT_FALSE(undo.canRedo()) << "setDistance registers nothing, so nothing to redo";
    event([&] { model.setZoom(-1.0f); });
    EXPECT_EQ(model.distance(), 5.0f);
    event([&] { model.setZoom(0.0f); });
    EXPECT_EQ(model.distance(), 5.0f);
    EXPECT_TRUE(undo.canUndo());

    // Neither these nor the restart add to the undo stack; nothing is clamped.
    undo.removeAllActions();
    event([&] {
        model.setDistance(-3.0f);
        model.setPointToSet(1);
        model.setSavedStrain(0, 2.0f);
    });
    EXPECT_FALSE(undo.canUndo());
    EXPECT_EQ(model.distance(), -3.0f);
}

TEST_F(StrainDataTest, PointToSetTogglesAndPostsForOldAndNewPoints) {
    struct Step {
        int set, expected;
        Names posts;
    };
    for (const Step& s :
         {Step{2, 2, {"Set Point2 Changed Notification"}},
          Step{2, 0, {"Set Point2 Changed Notification"}},
          Step{2, 2, {"Set Point2 Changed Notification"}},
          Step{3, 3, {"Set Point2 Changed Notification", "Set Point3 Changed Notification"}},
          Step{0, 0, {"Set Point3 Changed Notification"}}, Step{0, 0, {}}}) {
        posted.clear();
        model.setPointToSet(s.set);
        EXPECT_EQ(model.pointToSet(), s.expected);
        EXPECT_EQ(posted, s.posts);
    }
}

TEST_F(StrainDataTest, BoundsAreNeitherValidatedNorClamped) {
    model.setStrainMin(0, 5.0f);
    model.setStrainMax(0, 1.0f);
    model.setStrain(0, 42.0f);
    model.setRed(2.0f, -1.0f, 0.5f);
    EXPECT_TRUE(model.strainMin(0) == 5 && model.strainMax(0) == 1 && model.strainEntry(0) == 42);
    EXPECT_EQ(model.color(0), 2.0f);
}
