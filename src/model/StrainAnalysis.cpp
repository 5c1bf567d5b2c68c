#include "model/StrainAnalysis.h"

#include "model/StrainData.h"
#include "model/Translatable.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>
#include <numbers>


namespace {

// The model holds single-precision numbers: stretches or ratios closer than
// this (relative) are taken as equal, smaller stretches as zero.
constexpr double kTolerance = 1e-6;

constexpr double kDegrees = 180.0 / std::numbers::pi;

AxisOrientation orientation(Eigen::Vector3d v) {
    v.normalize();
    const bool horizontal = std::abs(v.z()) <= 1e-12;
    if (!horizontal && v.z() > 0)
        v = -v;
    // A vertical axis has no trend of its own: 0.
    double trend = std::hypot(v.x(), v.y()) <= 1e-12 ? 0.0 : std::atan2(v.x(), v.y()) * kDegrees;
    if (trend < 0)
        trend += 360.0;
    if (horizontal && trend >= 180.0) {
        v = -v;
        trend -= 180.0;
    }
    if (horizontal)
        v.z() = 0; // no -0 in the output
    const double plunge = std::asin(std::clamp(-v.z(), -1.0, 1.0)) * kDegrees;
    return {{v.x(), v.y(), v.z()}, trend, plunge};
}

// Eigenvectors of a symmetric matrix, largest eigenvalue first.
std::array<AxisOrientation, 3> principalDirections(const Eigen::Matrix3d& symmetric,
                                                   Eigen::Vector3d* eigenvalues = nullptr) {
    const Eigen::SelfAdjointEigenSolver<Eigen::Matrix3d> solver(symmetric);
    std::array<AxisOrientation, 3> result;
    for (int i = 0; i < 3; ++i)
        result[i] = orientation(solver.eigenvectors().col(2 - i));
    if (eigenvalues)
        *eigenvalues = solver.eigenvalues().reverse();
    return result;
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
    if (r12 <= kTolerance && r23 <= kTolerance) {
        const char* reason = QT_TRANSLATE_NOOP("StrainAnalysis", "no distortion: S1 = S3");
        a.flinnK = a.ramsayK = a.lode = undefined(reason);
        if (a.state.empty())
            a.state = QT_TRANSLATE_NOOP("StrainAnalysis", "No distortion: the sphere keeps its shape (S1 = S2 = S3).");
        return;
    }
    a.lode = {(2 * e2 - e1 - e3) / (e1 - e3), {}};
    if (r23 <= kTolerance) {
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
    a.volumeRatio = 0;
    a.state = states[dimension];
    const std::string reason = reasons[dimension];
    for (int i = 0; i < 3; ++i)
        a.naturalStrains[i] = a.stretches[i] > kTolerance * a.stretches[0]
                                  ? AnalysisValue{std::log(a.stretches[i]), {}}
                                  : undefined(reason);
    a.flinnK = a.flinnD = a.ramsayK = a.lode = a.octahedralShear = undefined(reason);
    a.rotationAngle = undefined(reason);
    a.rotationReason = reason;
}

} // namespace

AxisOrientation lineOrientation(const AnalysisVector& v) {
    return orientation({v[0], v[1], v[2]});
}

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
        a.rotationReason = reason;
        a.stretches = {NAN, NAN, NAN};
        a.volumeRatio = NAN;
        return a;
    }

    Eigen::Vector3d eigenvalues;
    a.axes = principalDirections(F * F.transpose(), &eigenvalues);
    a.materialAxes = principalDirections(F.transpose() * F);
    for (int i = 0; i < 3; ++i)
        a.stretches[i] = std::sqrt(std::max(eigenvalues[i], 0.0));
    a.volumeRatio = F.determinant();

    const auto& s = a.stretches;
    if (!(s[0] > 0)) {
        analyzeSingular(a, 0);
        return a;
    }
    if (s[1] <= kTolerance * s[0]) {
        analyzeSingular(a, 1);
        return a;
    }
    if (s[2] <= kTolerance * s[0]) {
        analyzeSingular(a, 2);
        return a;
    }

    if (a.volumeRatio < 0)
        a.state = QT_TRANSLATE_NOOP("StrainAnalysis",
                                    "Inverted: J < 0, the sphere is turned inside out (the "
                                    "deformation includes a reflection).");
    analyzeShape(a);

    if (a.volumeRatio < 0) {
        a.rotationAngle = undefined(QT_TRANSLATE_NOOP("StrainAnalysis", "inverted: no proper rotation"));
        a.rotationReason = a.rotationAngle.reason;
        return a;
    }
    // F = U·Σ·Wᵀ = (U·Σ·Uᵀ)·(U·Wᵀ) = V·R.
    const Eigen::JacobiSVD<Eigen::Matrix3d> svd(F, Eigen::ComputeFullU | Eigen::ComputeFullV);
    const Eigen::AngleAxisd rotation(Eigen::Matrix3d(svd.matrixU() * svd.matrixV().transpose()));
    a.rotationAngle = {rotation.angle() * kDegrees, {}};
    if (rotation.angle() > kTolerance)
        a.rotationAxis = AnalysisVector{rotation.axis().x(), rotation.axis().y(), rotation.axis().z()};
    else
        a.rotationReason = QT_TRANSLATE_NOOP("StrainAnalysis", "no rotation");
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
} // namespace

std::vector<AnalysisRow> analysisRows(const StrainAnalysis& a) {
    std::vector<AnalysisRow> rows;
    auto scalar = [&rows](const char* key, const char* label, const AnalysisValue& v) {
        rows.push_back({key, label, {v.value}, v.reason});
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
        const bool defined = std::isfinite(a.stretches[0]);
        const auto value = [defined](double x) { return defined ? ifFinite(x) : std::nullopt; };
        rows.push_back({keys[material][i][0], labels[material][i][0],
                        {value(o.direction[0]), value(o.direction[1]), value(o.direction[2])},
                        {}});
        rows.push_back({keys[material][i][1], labels[material][i][1],
                        {value(o.trend), value(o.plunge)}, {}});
    };

    rows.push_back({"stretches", QT_TRANSLATE_NOOP("StrainAnalysis", "Stretches S1, S2, S3"), {}, {}});
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
    scalar("flinn_k", QT_TRANSLATE_NOOP("StrainAnalysis", "Flinn k"), a.flinnK);
    scalar("flinn_d", QT_TRANSLATE_NOOP("StrainAnalysis", "Flinn d"), a.flinnD);
    scalar("ramsay_k", QT_TRANSLATE_NOOP("StrainAnalysis", "Ramsay K"), a.ramsayK);
    scalar("lode", QT_TRANSLATE_NOOP("StrainAnalysis", "Lode ν"), a.lode);
    scalar("octahedral_shear", QT_TRANSLATE_NOOP("StrainAnalysis", "Octahedral shear εs"), a.octahedralShear);
    scalar("rotation_angle", QT_TRANSLATE_NOOP("StrainAnalysis", "Rotation angle°"), a.rotationAngle);
    rows.push_back({"rotation_axis", QT_TRANSLATE_NOOP("StrainAnalysis", "Rotation axis x, y, z"), {}, a.rotationReason});
    for (int i = 0; i < 3; ++i)
        rows.back().values.push_back(a.rotationAxis ? std::optional<double>((*a.rotationAxis)[i])
                                                    : std::nullopt);
    // Numbers lost to a strain that is not finite: the state says why.
    for (AnalysisRow& row : rows)
        if (row.reason.empty() && std::ranges::any_of(row.values, [](auto& v) { return !v; }))
            row.reason = a.state;
    return rows;
}
