// Flows and presets against closed forms.
#include "../support/ExpectValue.h"
#include "model/Flow.h"
#include "model/DeformationPresets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <tuple>

namespace {

const double kLn2 = std::log(2.0);

AnalysisMatrix matrix(std::initializer_list<double> rowByRow) {
    AnalysisMatrix m{};
    for (std::size_t i = 0; i < 9; ++i)
        m[i / 3][i % 3] = rowByRow.begin()[i];
    return m;
}

void expectNear(const AnalysisMatrix& a, const AnalysisMatrix& b, double tolerance) {
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_NEAR(a[r][c], b[r][c], tolerance) << "entry " << r + 1 << "," << c + 1;
}

PresetFlow build(const char* name, std::vector<double> values) {
    for (const DeformationPreset& p : deformationPresets())
        if (std::strcmp(p.name, name) == 0) {
            EXPECT_EQ(values.size(), p.parameters.size()) << name;
            return p.build(values);
        }
    ADD_FAILURE() << "no preset " << name;
    return {};
}

StrainAnalysis analyzePreset(const PresetFlow& p) {
    return analyzeGradient(flowDeformation(p.gradient, p.time));
}

TEST(FlowTest, ClosedForms) {
    struct Line { double trend, plunge, rate; };
    struct Case {
        const char* name; AnalysisMatrix L; double wk; AnalysisVector vorticity;
        Line firstStretchingAxis; std::vector<Line> apophyses; const char* apophysesReason;
    };
    const double dipping = std::atan2(2 * kLn2, 0.5) * 180 / std::numbers::pi;
    const Case cases[] = {
        {"general shear", matrix({kLn2, 0, 0.5, 0, 0, 0, 0, 0, -kLn2}), 0.339280, {0, 0.5, 0}, {},
         {{90, 0, kLn2}, {90, dipping, -kLn2}}, ""},
        {"simple shear", matrix({0, 0, 1, 0, 0, 0, 0, 0, 0}), 1, {0, 1, 0}, {270, 45, 0.5},
         {{90, 0, 0}}, ""},
        {"pure shear", matrix({kLn2, 0, 0, 0, 0, 0, 0, 0, -kLn2}), 0, {0, 0, 0}, {90, 0, kLn2},
         {{90, 0, kLn2}, {0, 0, 0}, {0, 90, -kLn2}}, ""},
        {"rotation", matrix({0, -1, 0, 1, 0, 0, 0, 0, 0}), kNone, {0, 0, 2}, {}, {},
         "no real apophyses: a rigid rotation"},
        {"pulsating", matrix({0.1, -1, 0, 1, -0.1, 0, 0, 0, 0}), 10, {0, 0, 2}, {}, {},
         "no real apophyses: Wk > 1"},
        {"rotating while stretching along the axis", matrix({0, -1, 0, 1, 0, 0, 0, 0, 2}),
         std::sqrt(0.5), {0, 0, 2}, {0, 90, 2}, {},
         "no real apophyses: the flow turns every line normal to its vorticity"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FlowAnalysis f = analyzeFlow(c.L, 2);
        expectValue(f.kinematicVorticity, c.wk, "Wk", 1e-6);
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(f.vorticity[i], c.vorticity[i], 1e-12);
        const auto expectLine = [](const FlowLine& got, const Line& line, const char* what) {
            EXPECT_NEAR(got.axis.trend, line.trend, 1e-6) << what;
            EXPECT_NEAR(got.axis.plunge, line.plunge, 1e-6) << what;
            EXPECT_NEAR(got.rate, line.rate, 1e-9) << what;
        };
        if (c.firstStretchingAxis.rate != 0) // else not unique, or not worth a closed form
            expectLine(f.stretchingAxes[0], c.firstStretchingAxis, "ISA 1");
        ASSERT_EQ(f.apophyses.size(), c.apophyses.size());
        for (std::size_t i = 0; i < c.apophyses.size(); ++i)
            expectLine(f.apophyses[i], c.apophyses[i], "apophysis");
        EXPECT_EQ(f.apophysesReason, c.apophysesReason);
    }
    expectNear(flowDeformation(cases[0].L, 1), matrix({2, 0, 0.541011, 0, 1, 0, 0, 0, 0.5}), 1e-6);
    expectValue(analyzeFlow(matrix({0, 0, 0, 0, 0, 0, 0, 0, 0}), 1).kinematicVorticity, kNone, "Wk");
}

TEST(FlowTest, LogarithmUndoesTheExponential) {
    for (const AnalysisMatrix& L :
         {matrix({kLn2, 0, 0.5, 0, 0, 0, 0, 0, -kLn2}), matrix({0, 0, 3, 0, 0, 0, 0, 0, 0}),
          matrix({0.2, -2, 0.3, 2, -0.1, 0.4, -0.5, 0.1, 0.3}),
          matrix({0, -3, 0, 3, 0, 0, 0, 0, 0})}) {
        const SteadyFlow steady = steadyFlowOf(flowDeformation(L, 1));
        ASSERT_TRUE(steady.gradient) << steady.reason;
        expectNear(*steady.gradient, L, 1e-9);
    }
    const struct {
        AnalysisMatrix F;
        const char* reason;
    } none[] = {
        {matrix({-1, 0, 0, 0, -1, 0, 0, 0, 1}), "no steady flow: F has a negative real eigenvalue"},
        {matrix({1, 0, 0, 0, -2, 0, 0, 0, 1}), "no steady flow: F has a negative real eigenvalue"},
        {matrix({1, 0, 0, 0, 1, 0, 0, 0, 0}), "no steady flow: F is singular (J = 0)"},
    };
    for (const auto& n : none)
        EXPECT_EQ(steadyFlowOf(n.F).reason, n.reason);
}

TEST(FlowTest, ShapePresetsGiveTheirParametersBack) {
    // Rxy = 2, Ryz = 3 with J = 1, lineation down the dip of a plane 130/80,
    // by each of the three ways to give the shape.
    const double ln3 = std::log(3.0), ln6 = std::log(6.0);
    const double lode = (ln3 - kLn2) / ln6,
                 es = std::sqrt(kLn2 * kLn2 + ln3 * ln3 + ln6 * ln6) / std::sqrt(3.0);
    const std::vector<double> frame = {130, 80, 130, 80};
    const auto with = [&frame](double a, double b, double j) {
        std::vector<double> v = {a, b, j};
        v.insert(v.end(), frame.begin(), frame.end());
        return v;
    };
    for (const PresetFlow& p : {build("Strain from Rxy and Ryz", with(2, 3, 1)),
                                build("Strain from Flinn k and d", with(0.5, std::sqrt(5.0), 1)),
                                build("Strain from εs and Lode ν", with(es, lode, 1))}) {
        ASSERT_EQ(p.error, nullptr);
        // As the document stores it: in single precision.
        AnalysisMatrix F = flowDeformation(p.gradient, p.time);
        for (auto& row : F)
            for (double& x : row)
                x = float(x);
        const StrainAnalysis a = analyzeGradient(F);
        EXPECT_NEAR(a.stretches[0] / a.stretches[1], 2, 2e-6);
        EXPECT_NEAR(a.stretches[1] / a.stretches[2], 3, 2e-6);
        EXPECT_NEAR(a.volumeRatio, 1, 1e-6);
        expectValue(a.flinnK, 0.5, "k", 2e-6);
        expectValue(a.ramsayK, kLn2 / ln3, "K", 2e-6);
        expectValue(a.lode, lode, "ν", 2e-6);
        expectValue(a.octahedralShear, es, "εs", 2e-6);
        EXPECT_NEAR(a.axes[0].trend, 130, 1e-4);
        EXPECT_NEAR(a.axes[0].plunge, 80, 1e-4);
        EXPECT_NEAR(a.axes[2].trend, 310, 1e-4); // the foliation's pole
        EXPECT_NEAR(a.axes[2].plunge, 10, 1e-4);
    }
}

TEST(FlowTest, FlowPresets) {
    const struct {
        const char* name;
        std::vector<double> values;
        double wk, volumeRatio;
    } cases[] = {
        {"Simple shear", {2, 90, 0, 0, 0}, 1, 1}, {"Pure shear", {2, 1, 90, 0, 0, 0}, 0, 1},
        {"Pure shear", {0.5, 1, 90, 0, 0, 0}, 0, 1}, {"Pure shear", {2, 3, 90, 0, 0, 0}, 0, 1},
        {"General shear", {0.6, 0.5, 2, 45, 20, 135, 70}, 0.6, 1},
        {"Transpression, constant volume", {60, 0, 1, 1}, 1, 1},
        {"Transpression, constant volume", {60, 90, 1, 1}, 0, 1},
        {"Transpression with volume change", {60, 30, 1, 2}, kNone, std::exp(-1.0)},
        {"Transpression from Wk, constant volume", {60, 0.6, 1, 1}, 0.6, 1},
        {"Transpression from Wk, constant volume", {60, 1, 1, 1}, 1, 1},
        // Transtension widens the zone: ε̇ = −sin α, tan α = 0.8/(√2·0.6).
        {"Transpression from Wk with volume change", {60, -0.6, 1, 1}, 0.6,
         std::exp(0.8 / std::sqrt(1.36))},
        {"Axial flattening", {0.5, 90, 0, 0, 0}, 0, 1}, {"Volume change", {2}, kNone, 2},
        {"Rotation", {0, 90, 30}, kNone, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PresetFlow p = build(c.name, c.values);
        ASSERT_EQ(p.error, nullptr);
        const FlowAnalysis f = analyzeFlow(p.gradient, p.time);
        if (!std::isnan(c.wk))
            expectValue(f.kinematicVorticity, c.wk, "Wk", 1e-6);
        EXPECT_NEAR(analyzeGradient(f.deformation).volumeRatio, c.volumeRatio, 1e-9);
        EXPECT_NEAR(std::exp(f.volumeRate * p.time), c.volumeRatio, 1e-9);
    }
    const StrainAnalysis gamma2 = analyzePreset(build("Simple shear", {2, 90, 0, 0, 0}));
    EXPECT_NEAR(gamma2.stretches[0], 1 + std::sqrt(2.0), 1e-9);
    for (const double nu : {-1.0, 1.0})
        EXPECT_EQ(build("Strain from εs and Lode ν", {1, nu, 1, 90, 0, 0, 0}).error, nullptr) << nu;
    EXPECT_EQ(build("General shear", {0, 1, 1, 90, 0, 0, 0}).error, nullptr) << "Wk = 0";
    for (const double k : {0.0, 0.5, 1.0, 3.0}) {
        const StrainAnalysis a = analyzePreset(build("Pure shear", {2, k, 90, 0, 0, 0}));
        EXPECT_NEAR(a.stretches[0], 2, 1e-9);
        if (k > 0)
            expectValue(a.flinnK, k, "k");
        else
            EXPECT_NEAR(a.stretches[1], 2, 1e-9) << "oblate";
    }
    // A transpression zone is vertical: z is a principal direction of its flow;
    // its walls are an apophysis, along the strike.
    const PresetFlow zone = build("Transpression, constant volume", {60, 30, 1, 1});
    const std::vector<FlowLine> walls = analyzeFlow(zone.gradient, zone.time).apophyses;
    EXPECT_TRUE(std::ranges::any_of(walls, [](const FlowLine& a) {
        return std::abs(a.axis.trend - 60) < 1e-6 && std::abs(a.axis.plunge) < 1e-6; }));
    for (int i = 0; i < 2; ++i)
        EXPECT_TRUE(std::abs(zone.gradient[2][i]) < 1e-12 && std::abs(zone.gradient[i][2]) < 1e-12);
    // At Wk = 1 a general shear is the simple shear of rate 2s, in its frame.
    const PresetFlow general = build("General shear", {1, 0.5, 1, 40, 10, 130, 80});
    const PresetFlow simple = build("Simple shear", {1, 40, 10, 130, 80});
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_NEAR(general.gradient[r][c], simple.gradient[r][c], 1e-12) << r << c;
    const StrainAnalysis turned = analyzePreset(build("Rotation", {0, 90, 30}));
    expectValue(turned.rotationAngle, 30, "rotation");
    EXPECT_NEAR((*turned.rotationAxis)[2], -1, 1e-9);

    // Each refusal with the reason the dialog shows.
    using Refused = std::tuple<const char*, std::vector<double>, std::string>;
    for (const auto& [name, values, reason] : std::vector<Refused>{
             {"General shear", {1.5, 1, 1, 90, 0, 0, 0}, "Wk of a general shear lies between 0 and 1."},
             {"General shear", {-0.01, 1, 1, 90, 0, 0, 0}, "Wk of a general shear lies between 0 and 1."},
             {"Strain from Rxy and Ryz", {0.5, 3, 1, 90, 0, 0, 0}, "Rxy and Ryz must be at least 1."},
             {"Strain from Rxy and Ryz", {2, 3, 0, 90, 0, 0, 0}, "Stretches and J must be greater than 0."},
             {"Pure shear", {2, 1, 0, 90, 0, 0}, "The line is normal to the plane."},
             {"Pure shear", {2, -0.01, 90, 0, 0, 0}, "Flinn k must be at least 0."},
             {"Pure shear", {0, 1, 90, 0, 0, 0}, "Stretches and J must be greater than 0."},
             {"Strain from εs and Lode ν", {1, 1.01, 1, 90, 0, 0, 0},
              "εs must be at least 0 and ν between −1 and 1."},
             {"Strain from εs and Lode ν", {1, -1.01, 1, 90, 0, 0, 0},
              "εs must be at least 0 and ν between −1 and 1."},
             {"Pure shear", {0.99, 0.5, 90, 0, 0, 0},
              "Off plane strain the stretch along X must be at least 1."},
             {"Transpression from Wk, constant volume", {60, 1.01, 1, 1},
              "Wk of a transpression lies between 0 and 1 (negative: transtension)."}}) {
        const char* error = build(name, values).error;
        EXPECT_EQ(error ? error : "", reason) << name;
    }
}

} // namespace
