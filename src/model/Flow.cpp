#include "model/Flow.h"

#include "model/StrainData.h"
#include "model/Translatable.h"

#include <Eigen/Dense>
#include <unsupported/Eigen/MatrixFunctions>

#include <algorithm>
#include <cmath>
#include <numbers>

const char* const kNoFlowReason = QT_TRANSLATE_NOOP("StrainAnalysis", "no flow: L = 0");

namespace {

const char* const kNegativeEigenvalue =
    QT_TRANSLATE_NOOP("StrainAnalysis", "no steady flow: F has a negative real eigenvalue");

// Relative to the flow's largest rate: smaller rates, differences of rates
// and imaginary parts are taken as 0, as in the strain analysis.
constexpr double kTolerance = 1e-6;

Eigen::Matrix3d toEigen(const AnalysisMatrix& m) {
    Eigen::Matrix3d e;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            e(r, c) = m[r][c];
    return e;
}

AnalysisMatrix fromEigen(const Eigen::Matrix3d& e) {
    AnalysisMatrix m;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            m[r][c] = e(r, c);
    return m;
}

FlowLine line(const Eigen::Vector3d& v, double rate) {
    return {axisOrientation({v.x(), v.y(), v.z()}), rate};
}

// The real eigenvectors of L that are not the vorticity axis, as the header
// defines them, or why there are none.
std::vector<FlowLine> apophysesOf(const Eigen::Matrix3d& L, const Eigen::Vector3d& vorticity,
                                  double scale, const AnalysisValue& wk, std::string& reason) {
    const double tolerance = kTolerance * scale;
    const Eigen::Vector3d axis = vorticity.normalized();
    std::vector<double> rates;
    // Named: the eigenvalues live as long as their solver.
    const Eigen::EigenSolver<Eigen::Matrix3d> solver(L, false);
    for (const std::complex<double>& e : solver.eigenvalues())
        if (std::abs(e.imag()) <= tolerance) rates.push_back(e.real());
    std::ranges::sort(rates, std::greater<>());
    std::vector<FlowLine> lines;
    for (std::size_t i = 0; i < rates.size();) {
        // A repeated rate, perhaps split by rounding, has one eigenspace.
        std::size_t end = i + 1;
        while (end < rates.size() && rates[i] - rates[end] <= tolerance)
            ++end;
        const double rate = (rates[i] + rates[end - 1]) / 2;
        i = end;
        const Eigen::JacobiSVD<Eigen::Matrix3d> svd(L - rate * Eigen::Matrix3d::Identity(),
                                                    Eigen::ComputeFullV);
        const Eigen::Matrix3d& V = svd.matrixV();
        if (svd.singularValues()[1] > tolerance) {
            if (std::abs(V.col(2).dot(axis)) < 1 - kTolerance)
                lines.push_back(line(V.col(2), rate));
        } else {
            // A plane of eigenvectors (as in simple shear) holds the vorticity
            // axis: the apophysis is the line in it normal to that axis.
            lines.push_back(line(V.col(0).cross(axis), rate));
        }
    }
    if (lines.empty())
        reason =
            !wk.value ? QT_TRANSLATE_NOOP("StrainAnalysis", "no real apophyses: a rigid rotation")
            : *wk.value > 1
                ? QT_TRANSLATE_NOOP("StrainAnalysis", "no real apophyses: Wk > 1")
                : QT_TRANSLATE_NOOP("StrainAnalysis", "no real apophyses: the flow turns every "
                                                      "line normal to its vorticity");
    return lines;
}

} // namespace

AnalysisMatrix flowDeformation(const AnalysisMatrix& gradient, double time) {
    return fromEigen((time * toEigen(gradient)).exp());
}

AnalysisMatrix product(const AnalysisMatrix& a, const AnalysisMatrix& b) {
    return fromEigen(toEigen(a) * toEigen(b));
}

FlowAnalysis analyzeFlow(const AnalysisMatrix& gradient, double time) {
    FlowAnalysis f;
    f.gradient = gradient;
    f.time = time;
    f.deformation = flowDeformation(gradient, time);
    const Eigen::Matrix3d L = toEigen(gradient);
    const Eigen::Matrix3d D = (L + L.transpose()) / 2, W = (L - L.transpose()) / 2;
    f.stretching = fromEigen(D);
    f.spin = fromEigen(W);
    f.vorticity = {L(2, 1) - L(1, 2), L(0, 2) - L(2, 0), L(1, 0) - L(0, 1)};
    f.volumeRate = L.trace();
    const double scale = L.norm(), tolerance = kTolerance * scale;

    if (scale == 0)
        f.kinematicVorticity = {std::nullopt, kNoFlowReason};
    else if (D.norm() <= tolerance)
        f.kinematicVorticity = {
            std::nullopt,
            QT_TRANSLATE_NOOP("StrainAnalysis", "infinite: a rigid rotation (D = 0)")};
    else
        f.kinematicVorticity = {W.norm() / D.norm(), {}};

    const Eigen::SelfAdjointEigenSolver<Eigen::Matrix3d> isa(D);
    for (int i = 0; i < 3; ++i)
        f.stretchingAxes[i] =
            line(isa.eigenvectors().col(2 - i),
                 // no rounding noise where lines keep their length
                 std::abs(isa.eigenvalues()[2 - i]) <= tolerance ? 0.0 : isa.eigenvalues()[2 - i]);

    if (scale == 0)
        f.apophysesReason = kNoFlowReason;
    else if (W.norm() <= tolerance) // coaxial: L is D
        f.apophyses.assign(f.stretchingAxes.begin(), f.stretchingAxes.end());
    else
        f.apophyses = apophysesOf(L, {f.vorticity[0], f.vorticity[1], f.vorticity[2]}, scale,
                                  f.kinematicVorticity, f.apophysesReason);
    return f;
}

SteadyFlow steadyFlowOf(const AnalysisMatrix& deformation) {
    const Eigen::Matrix3d F = toEigen(deformation);
    if (!F.allFinite())
        return {std::nullopt,
                QT_TRANSLATE_NOOP("StrainAnalysis",
                                  "the strain holds a value that is not a finite number")};
    const double tolerance = kTolerance * F.norm();
    const Eigen::EigenSolver<Eigen::Matrix3d> solver(F, false);
    for (const std::complex<double>& e : solver.eigenvalues()) {
        if (std::abs(e) <= tolerance)
            return {std::nullopt,
                    QT_TRANSLATE_NOOP("StrainAnalysis", "no steady flow: F is singular (J = 0)")};
        if (std::abs(e.imag()) <= tolerance && e.real() < 0)
            return {std::nullopt, kNegativeEigenvalue};
    }
    const Eigen::Matrix3d L = F.log();
    if (!L.allFinite()) return {std::nullopt, kNegativeEigenvalue};
    return {fromEigen(L), {}};
}

AnalysisMatrix velocityGradientOf(const StrainData& model) {
    AnalysisMatrix L;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            L[r][c] = model.velocityGradient(MatrixIndex(r, c));
    return L;
}

std::optional<FlowAnalysis> analyzeFlow(const StrainData& model) {
    const AnalysisMatrix L = velocityGradientOf(model);
    if (toEigen(L).isZero(0)) return std::nullopt;
    return analyzeFlow(L, model.time());
}

void setStrainTo(StrainData& model, const AnalysisMatrix& F) {
    Matrix4 strain{};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            strain[MatrixIndex(r, c)] = static_cast<float>(F[r][c]);
    model.setStrainBlock(strain);
}

void flowToTime(StrainData& model, float time) {
    model.setTime(time);
    setStrainTo(model, flowDeformation(velocityGradientOf(model), time));
}

namespace {

// Three rows of a matrix under one key and label each.
void matrixRows(std::vector<AnalysisRow>& rows, const char* const (&keys)[3],
                const char* const (&labels)[3], const AnalysisMatrix& m) {
    for (int r = 0; r < 3; ++r)
        rows.push_back({keys[r], labels[r], {m[r][0], m[r][1], m[r][2]}, {}});
}

// A line of the flow: trend, plunge and rate.
AnalysisRow lineRow(const char* key, const char* label, const FlowLine& l) {
    return {key, label, {l.axis.trend, l.axis.plunge, l.rate + 0.0}, {}};
}

} // namespace

std::vector<AnalysisRow> flowRows(const std::optional<FlowAnalysis>& flow,
                                  const StrainAnalysis& analysis) {
    std::vector<AnalysisRow> rows;
    if (!flow) {
        rows.push_back(
            {"flow", QT_TRANSLATE_NOOP("StrainAnalysis", "Flow"), {std::nullopt}, kNoFlowReason});
    } else {
        const FlowAnalysis& f = *flow;
        matrixRows(rows, {"velocity_gradient_1", "velocity_gradient_2", "velocity_gradient_3"},
                   {QT_TRANSLATE_NOOP("StrainAnalysis", "Velocity gradient L, row 1"),
                    QT_TRANSLATE_NOOP("StrainAnalysis", "Velocity gradient L, row 2"),
                    QT_TRANSLATE_NOOP("StrainAnalysis", "Velocity gradient L, row 3")},
                   f.gradient);
        rows.push_back({"time", QT_TRANSLATE_NOOP("StrainAnalysis", "Time t"), {f.time}, {}});
        matrixRows(rows, {"stretching_1", "stretching_2", "stretching_3"},
                   {QT_TRANSLATE_NOOP("StrainAnalysis", "Stretching D, row 1"),
                    QT_TRANSLATE_NOOP("StrainAnalysis", "Stretching D, row 2"),
                    QT_TRANSLATE_NOOP("StrainAnalysis", "Stretching D, row 3")},
                   f.stretching);
        matrixRows(rows, {"spin_1", "spin_2", "spin_3"},
                   {QT_TRANSLATE_NOOP("StrainAnalysis", "Spin W, row 1"),
                    QT_TRANSLATE_NOOP("StrainAnalysis", "Spin W, row 2"),
                    QT_TRANSLATE_NOOP("StrainAnalysis", "Spin W, row 3")},
                   f.spin);
        rows.push_back({"kinematic_vorticity",
                        QT_TRANSLATE_NOOP("StrainAnalysis", "Kinematic vorticity Wk"),
                        {f.kinematicVorticity.value},
                        f.kinematicVorticity.reason});
        rows.push_back({"vorticity",
                        QT_TRANSLATE_NOOP("StrainAnalysis", "Vorticity x, y, z"),
                        {f.vorticity[0], f.vorticity[1], f.vorticity[2]},
                        {}});
        rows.push_back({"volume_change_rate",
                        QT_TRANSLATE_NOOP("StrainAnalysis", "Volume change rate tr L"),
                        {f.volumeRate},
                        {}});
        static const char* const axisKeys[3] = {"stretching_axis_1", "stretching_axis_2",
                                                "stretching_axis_3"};
        static const char* const axisLabels[3] = {
            QT_TRANSLATE_NOOP("StrainAnalysis", "Stretching axis 1 trend°, plunge°, rate"),
            QT_TRANSLATE_NOOP("StrainAnalysis", "Stretching axis 2 trend°, plunge°, rate"),
            QT_TRANSLATE_NOOP("StrainAnalysis", "Stretching axis 3 trend°, plunge°, rate")};
        for (int i = 0; i < 3; ++i)
            rows.push_back(lineRow(axisKeys[i], axisLabels[i], f.stretchingAxes[i]));
        static const char* const apophysisKeys[3] = {"apophysis_1", "apophysis_2", "apophysis_3"};
        static const char* const apophysisLabels[3] = {
            QT_TRANSLATE_NOOP("StrainAnalysis", "Apophysis 1 trend°, plunge°, rate"),
            QT_TRANSLATE_NOOP("StrainAnalysis", "Apophysis 2 trend°, plunge°, rate"),
            QT_TRANSLATE_NOOP("StrainAnalysis", "Apophysis 3 trend°, plunge°, rate")};
        for (std::size_t i = 0; i < f.apophyses.size(); ++i)
            rows.push_back(lineRow(apophysisKeys[i], apophysisLabels[i], f.apophyses[i]));
        if (f.apophyses.empty())
            rows.push_back({"apophyses",
                            QT_TRANSLATE_NOOP("StrainAnalysis", "Apophyses"),
                            {std::nullopt},
                            f.apophysesReason});
    }

    const SteadyFlow steady = steadyFlowOf(analysis.gradient);
    if (!steady.gradient) {
        rows.push_back({"log_flow",
                        QT_TRANSLATE_NOOP("StrainAnalysis", "Steady flow in unit time"),
                        {std::nullopt},
                        steady.reason});
        return rows;
    }
    matrixRows(rows, {"log_flow_1", "log_flow_2", "log_flow_3"},
               {QT_TRANSLATE_NOOP("StrainAnalysis", "Steady flow in unit time, L row 1"),
                QT_TRANSLATE_NOOP("StrainAnalysis", "Steady flow in unit time, L row 2"),
                QT_TRANSLATE_NOOP("StrainAnalysis", "Steady flow in unit time, L row 3")},
               *steady.gradient);
    const AnalysisValue wk = analyzeFlow(*steady.gradient, 1).kinematicVorticity;
    rows.push_back({"log_flow_kinematic_vorticity",
                    QT_TRANSLATE_NOOP("StrainAnalysis", "Steady flow's Wk"),
                    {wk.value},
                    wk.reason});
    return rows;
}
