#include "model/StrainAnalysis.h"

#include "model/Orientation.h"
#include "model/StrainData.h"
#include "model/StrainShape.h"
#include "model/Translatable.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>

namespace {

constexpr double kDegrees = 180.0 / std::numbers::pi;

// larger >= smaller >= 0.
bool equalStretches(double larger, double smaller) {
    return larger - smaller <= kAnalysisTolerance * smaller;
}

AnalysisValue undefined(std::string reason) { return {std::nullopt, std::move(reason)}; }

void analyzeShape(StrainAnalysis& a) {
    const auto& s = a.stretches;
    const double e1 = std::log(s[0]), e2 = std::log(s[1]), e3 = std::log(s[2]);
    for (int i = 0; i < 3; ++i)
        a.naturalStrains[i] = {std::log(s[i]), {}};
    const double r12 = s[0] / s[1] - 1.0, r23 = s[1] / s[2] - 1.0;
    a.flinnD = {std::hypot(r12, r23), {}};
    a.octahedralShear = {std::sqrt((e1 - e2) * (e1 - e2) + (e2 - e3) * (e2 - e3) +
                                   (e3 - e1) * (e3 - e1)) /
                             std::sqrt(3.0),
                         {}};
    if (equalStretches(s[0], s[1]) && equalStretches(s[1], s[2])) {
        const char* reason = QT_TRANSLATE_NOOP("StrainAnalysis", "no distortion: S1 = S3");
        a.flinnK = a.ramsayK = a.lode = undefined(reason);
        if (a.state.empty())
            a.state = QT_TRANSLATE_NOOP("StrainAnalysis", "No distortion: the sphere keeps its shape (S1 = S2 = S3).");
        return;
    }
    a.lode = {(2 * e2 - e1 - e3) / (e1 - e3), {}};
    if (equalStretches(s[1], s[2])) {
        a.flinnK = a.ramsayK = undefined(QT_TRANSLATE_NOOP("StrainAnalysis", "infinite: S2 = S3 (constriction)"));
        return;
    }
    a.flinnK = {r12 / r23, {}};
    a.ramsayK = {(e1 - e2) / (e2 - e3), {}};
}

// dimension: 0 for a point, 1 for a line, 2 for a plane. Whole sentences, so
// that each can be translated.
void analyzeSingular(StrainAnalysis& a, int dimension) {
    static const char* const states[3] = {
        QT_TRANSLATE_NOOP("StrainAnalysis", "Singular: the sphere is flattened to a point (J = 0)."),
        QT_TRANSLATE_NOOP("StrainAnalysis", "Singular: the sphere is flattened to a line (J = 0)."),
        QT_TRANSLATE_NOOP("StrainAnalysis", "Singular: the sphere is flattened to a plane (J = 0).")};
    static const char* const reasons[3] = {
        QT_TRANSLATE_NOOP("StrainAnalysis", "singular: flattened to a point"),
        QT_TRANSLATE_NOOP("StrainAnalysis", "singular: flattened to a line"),
        QT_TRANSLATE_NOOP("StrainAnalysis", "singular: flattened to a plane")};
    a.state = states[dimension];
    const std::string reason = reasons[dimension];
    for (int i = 0; i < 3; ++i)
        a.naturalStrains[i] =
            a.stretches[i] > 0 ? AnalysisValue{std::log(a.stretches[i]), {}} : undefined(reason);
    a.flinnK = a.flinnD = a.ramsayK = a.lode = a.octahedralShear = undefined(reason);
    a.rotationAngle = undefined(reason);
    a.rotationReason = reason;
}

// Where two stretches are equal, so are their axes' claims: any line of
// their plane, or of space, is one.
void markUndefinedAxes(StrainAnalysis& a) {
    const auto& s = a.stretches;
    const bool first = equalStretches(s[0], s[1]), second = equalStretches(s[1], s[2]);
    const char* reason = nullptr;
    if (first && second)
        reason = QT_TRANSLATE_NOOP("StrainAnalysis", "any direction: S1 = S2 = S3");
    else if (first)
        reason = QT_TRANSLATE_NOOP("StrainAnalysis", "any line ⊥ Z: S1 = S2");
    else if (second)
        reason = QT_TRANSLATE_NOOP("StrainAnalysis", "any line ⊥ X: S2 = S3");
    for (int i = second && !first; reason && i < (first && !second ? 2 : 3); ++i)
        a.axes[size_t(i)].reason = a.materialAxes[size_t(i)].reason = reason;
    a.foliation = planeOrientation(a.axes[2]);
    if (second)
        a.foliation.reason =
            first ? QT_TRANSLATE_NOOP("StrainAnalysis", "any plane: S1 = S2 = S3")
                  : QT_TRANSLATE_NOOP("StrainAnalysis", "any plane through X: S2 = S3");
}

// Of the polar decomposition F = V·R, with F = U·Σ·Wᵀ = (U·Σ·Uᵀ)·(U·Wᵀ).
void analyzeRotation(StrainAnalysis& a, const Eigen::JacobiSVD<Eigen::Matrix3d>& svd) {
    if (a.volumeRatio < 0) {
        a.rotationAngle =
            undefined(QT_TRANSLATE_NOOP("StrainAnalysis", "inverted: no proper rotation"));
        a.rotationReason = a.rotationAngle.reason;
        return;
    }
    const Eigen::AngleAxisd rotation(Eigen::Matrix3d(svd.matrixU() * svd.matrixV().transpose()));
    a.rotationAngle = {rotation.angle() * kDegrees, {}};
    if (rotation.angle() > kAnalysisTolerance)
        a.rotationAxis =
            AnalysisVector{rotation.axis().x(), rotation.axis().y(), rotation.axis().z()};
    else
        a.rotationReason = QT_TRANSLATE_NOOP("StrainAnalysis", "no rotation");
}

AnalysisVector column(const Eigen::Matrix3d& m, int c) {
    return {m(0, c), m(1, c), m(2, c)};
}

} // namespace

StrainAnalysis analyzeGradient(const AnalysisMatrix& gradient, const AnalysisVector& centre) {
    StrainAnalysis a;
    a.gradient = gradient;
    a.centre = centre;
    Eigen::Matrix3d F;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            F(r, c) = gradient[r][c];
    if (!F.allFinite() || !std::isfinite(centre[0] + centre[1] + centre[2])) {
        const char* reason = QT_TRANSLATE_NOOP("StrainAnalysis", "the strain holds a value that is not a finite number");
        a.state = QT_TRANSLATE_NOOP(
            "StrainAnalysis", "Undefined: the strain holds a value that is not a finite number.");
        for (auto& e : a.naturalStrains)
            e = undefined(reason);
        a.flinnK = a.flinnD = a.ramsayK = a.lode = a.octahedralShear = a.rotationAngle =
            undefined(reason);
        a.rotationReason = a.foliation.reason = reason;
        for (auto* axes : {&a.axes, &a.materialAxes})
            for (AxisOrientation& axis : *axes)
                axis.reason = reason;
        a.stretches = {NAN, NAN, NAN};
        a.volumeRatio = NAN;
        describeShape(a);
        return a;
    }

    // The stretches from F itself, not from B = F·Fᵀ, whose smallest
    // eigenvalue drowns in the largest one's rounding when F is thin.
    const Eigen::JacobiSVD<Eigen::Matrix3d> svd(F, Eigen::ComputeFullU | Eigen::ComputeFullV);
    a.volumeRatio = F.determinant();
    // J as stored: F is singular where J is 0, and its rank says how.
    const int rank = a.volumeRatio == 0 ? std::min(int(svd.rank()), 2) : 3;
    for (int i = 0; i < 3; ++i) {
        a.stretches[size_t(i)] = i < rank ? svd.singularValues()[i] : 0.0;
        a.axes[size_t(i)] = axisOrientation(column(svd.matrixU(), i));
        a.materialAxes[size_t(i)] = axisOrientation(column(svd.matrixV(), i));
    }
    markUndefinedAxes(a);
    if (rank < 3) {
        analyzeSingular(a, rank);
    } else {
        if (a.volumeRatio < 0)
            a.state = QT_TRANSLATE_NOOP("StrainAnalysis",
                                        "Inverted: J < 0, the sphere is turned inside out (the "
                                        "deformation includes a reflection).");
        analyzeShape(a);
        analyzeRotation(a, svd);
    }
    describeShape(a);
    return a;
}

StrainAnalysis analyzeStrain(const StrainData& model) {
    const float* S = model.strainMatrix();
    const float* V = model.savedStrainMatrix();
    AnalysisMatrix F{};
    AnalysisVector centre{};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c)
            for (int k = 0; k < 3; ++k)
                F[r][c] += double(S[MatrixIndex(r, k)]) * double(V[MatrixIndex(k, c)]);
        for (int k = 0; k < 3; ++k)
            centre[r] += double(S[MatrixIndex(r, k)]) *
                         (double(V[MatrixIndex(k, 3)]) + double(model.translation(k)));
    }
    return analyzeGradient(F, centre);
}

namespace {
// Adding 0 turns -0 into 0, which no reader wants to see.
std::optional<double> ifFinite(double x) {
    return std::isfinite(x) ? std::optional<double>(x + 0.0) : std::nullopt;
}
// The numbers of an orientation, none where it has a reason not to be given.
std::vector<std::optional<double>> unlessUndefined(const std::string& reason,
                                                   std::initializer_list<double> numbers) {
    std::vector<std::optional<double>> shown;
    for (double x : numbers)
        shown.push_back(reason.empty() ? ifFinite(x) : std::nullopt);
    return shown;
}
} // namespace

std::vector<AnalysisRow> analysisRows(const StrainAnalysis& a) {
    std::vector<AnalysisRow> rows;
    auto scalar = [&rows](const char* key, const char* label, const AnalysisValue& v,
                          std::vector<const char*> names = {}) {
        rows.push_back({key, label, {v.value}, v.reason, std::move(names)});
    };
    // Each axis as a vector and, on a row of its own, as trend and plunge.
    auto axis = [&rows, &a](int i, bool material) {
        static const char* const keys[2][3][2] = {
            {{"axis_1", "axis_1_orientation"},
             {"axis_2", "axis_2_orientation"},
             {"axis_3", "axis_3_orientation"}},
            {{"material_axis_1", "material_axis_1_orientation"},
             {"material_axis_2", "material_axis_2_orientation"},
             {"material_axis_3", "material_axis_3_orientation"}}};
        static const char* const labels[2][3][2] = {
            {{QT_TRANSLATE_NOOP("StrainAnalysis", "S1 axis x, y, z"), QT_TRANSLATE_NOOP("StrainAnalysis", "S1 axis trend°, plunge°")},
             {QT_TRANSLATE_NOOP("StrainAnalysis", "S2 axis x, y, z"), QT_TRANSLATE_NOOP("StrainAnalysis", "S2 axis trend°, plunge°")},
             {QT_TRANSLATE_NOOP("StrainAnalysis", "S3 axis x, y, z"), QT_TRANSLATE_NOOP("StrainAnalysis", "S3 axis trend°, plunge°")}},
            {{QT_TRANSLATE_NOOP("StrainAnalysis", "Becomes S1: x, y, z"), QT_TRANSLATE_NOOP("StrainAnalysis", "Becomes S1: trend°, plunge°")},
             {QT_TRANSLATE_NOOP("StrainAnalysis", "Becomes S2: x, y, z"), QT_TRANSLATE_NOOP("StrainAnalysis", "Becomes S2: trend°, plunge°")},
             {QT_TRANSLATE_NOOP("StrainAnalysis", "Becomes S3: x, y, z"), QT_TRANSLATE_NOOP("StrainAnalysis", "Becomes S3: trend°, plunge°")}}};
        const AxisOrientation& o = (material ? a.materialAxes : a.axes)[size_t(i)];
        rows.push_back({keys[material][i][0], labels[material][i][0],
                        unlessUndefined(o.reason, {o.direction[0], o.direction[1], o.direction[2]}),
                        o.reason});
        rows.push_back({keys[material][i][1], labels[material][i][1],
                        unlessUndefined(o.reason, {o.trend, o.plunge}), o.reason});
    };

    rows.push_back({"stretches",
                    QT_TRANSLATE_NOOP("StrainAnalysis", "Stretches S1, S2, S3"),
                    {},
                    {},
                    {"S1", "S2", "S3"}});
    for (double s : a.stretches)
        rows.back().values.push_back(ifFinite(s));
    rows.push_back({"natural_strains", QT_TRANSLATE_NOOP("StrainAnalysis", "Natural strains ε1, ε2, ε3"), {}, {}});
    for (const AnalysisValue& e : a.naturalStrains) {
        rows.back().values.push_back(e.value);
        if (!e.value)
            rows.back().reason = e.reason;
    }
    for (bool material : {false, true})
        for (int i = 0; i < 3; ++i)
            axis(i, material);
    rows.push_back({"centre", QT_TRANSLATE_NOOP("StrainAnalysis", "Centre x, y, z"), {}, {}});
    for (double c : a.centre)
        rows.back().values.push_back(ifFinite(c));
    rows.push_back({"volume_ratio", QT_TRANSLATE_NOOP("StrainAnalysis", "Volume ratio J"), {ifFinite(a.volumeRatio)}, {}});
    scalar("flinn_k", QT_TRANSLATE_NOOP("StrainAnalysis", "Flinn k"), a.flinnK, {"k"});
    scalar("flinn_d", QT_TRANSLATE_NOOP("StrainAnalysis", "Flinn d"), a.flinnD, {"d"});
    scalar("ramsay_k", QT_TRANSLATE_NOOP("StrainAnalysis", "Ramsay K"), a.ramsayK, {"K"});
    scalar("lode", QT_TRANSLATE_NOOP("StrainAnalysis", "Lode ν"), a.lode);
    scalar("octahedral_shear", QT_TRANSLATE_NOOP("StrainAnalysis", "Octahedral shear εs"),
           a.octahedralShear, {"eoct"});
    scalar("rotation_angle", QT_TRANSLATE_NOOP("StrainAnalysis", "Rotation angle°"), a.rotationAngle);
    rows.push_back({"rotation_axis", QT_TRANSLATE_NOOP("StrainAnalysis", "Rotation axis x, y, z"), {}, a.rotationReason});
    for (int i = 0; i < 3; ++i)
        rows.back().values.push_back(a.rotationAxis ? std::optional<double>((*a.rotationAxis)[i])
                                                    : std::nullopt);

    rows.push_back({"quadratic_elongations",
                    QT_TRANSLATE_NOOP("StrainAnalysis", "Quadratic elongations λ1, λ2, λ3"),
                    {},
                    {}});
    for (double lambda : a.quadraticElongations)
        rows.back().values.push_back(ifFinite(lambda));
    rows.push_back({"strain_ratios",
                    QT_TRANSLATE_NOOP("StrainAnalysis", "Strain ratios Rxy, Ryz, Rxz"),
                    {a.ratioXY.value, a.ratioYZ.value, a.ratioXZ.value},
                    (a.ratioXY.value ? a.ratioYZ : a.ratioXY).reason,
                    {"Rxy", "Ryz", "Rxz"}});
    scalar("ramsay_d", QT_TRANSLATE_NOOP("StrainAnalysis", "Ramsay D"), a.ramsayD, {"D"});
    scalar("volume_change_percent", QT_TRANSLATE_NOOP("StrainAnalysis", "Volume change ΔV %"),
           a.volumeChange);
    rows.push_back({"symmetry_class",
                    QT_TRANSLATE_NOOP("StrainAnalysis", "Symmetry class"),
                    {},
                    a.symmetryClass.reason,
                    {},
                    a.symmetryClass.value});
    const AxisOrientation& x = a.axes[0];
    rows.push_back({"lineation", QT_TRANSLATE_NOOP("StrainAnalysis", "Lineation X trend°, plunge°"),
                    unlessUndefined(x.reason, {x.trend, x.plunge}), x.reason});
    const PlaneOrientation& xy = a.foliation;
    rows.push_back({"foliation",
                    QT_TRANSLATE_NOOP("StrainAnalysis", "Foliation XY dip direction°, dip°"),
                    unlessUndefined(xy.reason, {xy.dipDirection, xy.dip}), xy.reason});

    // Numbers lost to a strain that is not finite: the state says why.
    for (AnalysisRow& row : rows)
        if (row.reason.empty() && !row.complete()) row.reason = a.state;
    return rows;
}

bool AnalysisRow::complete() const {
    return values.empty() ? !text.empty()
                          : std::ranges::all_of(values, [](auto& v) { return v.has_value(); });
}
