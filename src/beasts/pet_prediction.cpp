#include "beasts/pet_prediction.h"

#include "beasts/growth.h"
#include "common/numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace beasts {

namespace {

// Box figures are held well inside 64 bits, so no step or sum can overflow.
constexpr std::int64_t kFigureLimit = 1'000'000'000'000;

std::int64_t whole(std::string_view text)
{
    return common::clampWhole(common::readWholeNumber(text), -kFigureLimit, kFigureLimit);
}

double number(std::string_view text)
{
    const common::ReadNumber n = common::readLeadingNumber(text);
    return n.valid ? n.value : 0.0;
}

// floor(a / b) for b > 0.
std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    const std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

// A double narrowed to float: past the float range it stops at its ends instead of
// being undefined.
float toFloat(double v)
{
    constexpr double kMax = std::numeric_limits<float>::max();
    return static_cast<float>(std::isnan(v) ? v : std::clamp(v, -kMax, kMax));
}

std::string tenthsText(int tenths, bool fixedFormat)
{
    return fixedFormat ? common::formatFixed(tenths / 10.0, 1) : common::formatNumber(tenths / 10.0);
}

} // namespace

std::vector<std::string> predictionSpeciesList()
{
    std::vector<std::string> out;
    out.reserve(2 * kPredictionSpecies.size() + kPredictionExtraSpecies.size());
    for (std::string_view name : kPredictionSpecies) {
        out.emplace_back(name);
        out.push_back("变异" + std::string(name));
    }
    for (std::string_view name : kPredictionExtraSpecies)
        out.emplace_back(name);
    return out;
}

std::string_view babyVerdict(float oldScaleGrowth, std::int64_t pointsAndPotential, int level)
{
    if (!(oldScaleGrowth > 0.0f && oldScaleGrowth < 4.0f)) // NaN too
        return kVerdictFake;
    const std::int64_t expected = 10 * static_cast<std::int64_t>(level) + 100;
    if (pointsAndPotential == expected)
        return kVerdictBaby;
    return pointsAndPotential < expected ? kVerdictWild : kVerdictFake;
}

ConfirmResult PetSimulator::confirm(const PredictionFields& f)
{
    ConfirmResult r;
    if (m_computed)
        return r;
    const bool anyEmpty = f.growth.empty() || f.potential.empty() ||
                          std::any_of(f.points.begin(), f.points.end(), [](const std::string& s) { return s.empty(); }) ||
                          std::any_of(f.aptitudes.begin(), f.aptitudes.end(), [](const std::string& s) { return s.empty(); });
    if (anyEmpty) {
        r.warning = kMsgPredictEmpty;
        return r;
    }
    bool anyZero = number(f.growth) == 0;
    for (const std::string& s : f.points)
        anyZero = anyZero || number(s) == 0;
    for (int i = 0; i < 5; ++i) // 躲闪资质 may be 0
        anyZero = anyZero || number(f.aptitudes[static_cast<std::size_t>(i)]) == 0;
    if (anyZero) {
        r.warning = kMsgPredictZero;
        return r;
    }

    m_computed = true;
    m_repeat = Repeat::None;
    m_snapshotUsable = false;
    std::int64_t sum = 0;
    for (int i = 0; i < kPointKinds; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        m_current[k] = m_base[k] = m_confirmedPoints[k] = whole(f.points[k]);
        sum += m_current[k];
    }
    m_committed = m_free = m_confirmedPotential = whole(f.potential);
    sum += m_committed;
    m_level = m_simLevel = m_confirmedLevel = std::clamp(f.level, 0, kSimMaxLevel);

    const float g = toFloat(number(f.growth));
    r.growthText = common::formatFixed(g, 3);
    const float oldScale = toFloat(number(r.growthText) / GrowthScaleDivisor);
    r.oldGrowthText = common::formatFixed(oldScale, 3);

    LiveInputs live;
    for (std::size_t i = 0; i < live.aptitudes.size(); ++i)
        live.aptitudes[i] = f.aptitudes[i];
    live.growth = r.growthText;
    recompute(live);
    m_confirmedOutputs = m_outputs;
    m_verdict = babyVerdict(oldScale, sum, m_level);
    return r;
}

void PetSimulator::reset()
{
    if (!m_computed)
        return;
    m_computed = false;
    m_repeat = Repeat::None;
    m_committed = m_free = m_confirmedPotential;
    m_level = m_simLevel = m_confirmedLevel;
    m_outputs = m_confirmedOutputs;
    m_current = m_base = m_confirmedPoints;
    resetShares();
    m_snapshotUsable = false;
}

void PetSimulator::save()
{
    if (!m_computed)
        return;
    m_snapshot = Snapshot{m_level, m_outputs, m_shares, m_current, m_committed, m_free};
    m_snapshotUsable = true;
}

void PetSimulator::restore()
{
    if (!canRestore())
        return;
    const Snapshot& s = *m_snapshot;
    m_level = m_simLevel = s.level;
    m_outputs = s.outputs;
    for (int i = 0; i < 6; ++i)
        setShare(i, s.shares[static_cast<std::size_t>(i)], true);
    m_current = m_base = s.points;
    m_committed = s.committed;
    m_free = s.free;
}

void PetSimulator::recompute(const LiveInputs& live)
{
    AttributeInputs in;
    in.level = m_level;
    in.aptAttack = number(live.aptitudes[0]);
    in.aptDefense = number(live.aptitudes[1]);
    in.aptHealth = number(live.aptitudes[2]);
    in.aptMana = number(live.aptitudes[3]);
    in.aptSpeed = number(live.aptitudes[4]);
    for (std::size_t i = 0; i < in.points.size(); ++i)
        in.points[i] = static_cast<double>(m_current[i]);
    in.growth = number(live.growth);
    m_outputs = beastAttributes(in);
}

void PetSimulator::setShare(int i, int tenths, bool fixedFormat)
{
    const std::size_t k = static_cast<std::size_t>(i);
    m_shares[k] = tenths;
    m_shareText[k] = tenthsText(tenths, fixedFormat);
}

void PetSimulator::resetShares()
{
    for (int i = 0; i < 5; ++i)
        setShare(i, 0, false);
    setShare(5, 50, false);
}

void PetSimulator::discardPending()
{
    m_current = m_base;
    m_free = m_committed;
}

bool PetSimulator::levelStep(int direction, int size, const LiveInputs& live)
{
    if (direction < 0) {
        if (m_level < size || m_committed < 5 * size)
            return false;
        for (std::int64_t p : m_current)
            if (p < m_level + 10)
                return false;
    } else if (m_level + size > kSimMaxLevel) {
        return false;
    }
    discardPending();
    resetShares();
    m_level += direction * size;
    m_simLevel = m_level;
    for (std::size_t i = 0; i < m_base.size(); ++i)
        m_current[i] = m_base[i] = m_base[i] + direction * size;
    m_free += direction * 5 * size;
    m_committed += direction * 5 * size;
    recompute(live);
    return true;
}

void PetSimulator::pointStep(int index, int size)
{
    if (index >= 0 && index < 5) {
        const std::size_t k = static_cast<std::size_t>(index);
        if ((size == 1 && m_free > 0) || (size > 1 && m_free >= size)) {
            m_free -= size;
            m_current[k] += size;
        }
    } else if (index >= 5 && index < 10) {
        const std::size_t j = static_cast<std::size_t>(index - 5);
        if (m_current[j] >= m_base[j] + size) {
            m_free += size;
            m_current[j] -= size;
        }
    }
}

void PetSimulator::shareStep(int index, int size)
{
    int& pool = m_shares[5];
    if (index >= 0 && index < 5) {
        const int k = index;
        if ((size == 1 && pool > 0) || (size > 1 && pool >= size)) {
            setShare(k, m_shares[static_cast<std::size_t>(k)] + size, true);
            setShare(5, pool - size, true);
        }
    } else if (index >= 5 && index < 10) {
        const int j = index - 5;
        const int share = m_shares[static_cast<std::size_t>(j)];
        const bool allowed = size == 1 ? (pool < 50 && share > 0) : (pool <= 50 - size && share >= size);
        if (allowed) {
            setShare(j, share - size, true);
            setShare(5, pool + size, true);
        }
    }
}

void PetSimulator::split()
{
    // Whole points in exact tenths of a share: potential T at share s gets T·s/5, floored.
    const std::int64_t total = m_committed;
    discardPending();
    std::int64_t given = 0;
    for (std::size_t i = 0; i < m_current.size(); ++i) {
        const std::int64_t portion = floorDiv(total * m_shares[i], 50);
        m_current[i] += portion;
        given += portion;
    }
    m_free = total - given;
    if (m_shares[5] == 0 && m_free != 0) {
        m_current[0] += m_free;
        m_free = 0;
    }
}

void PetSimulator::levelPress(int index, int button, const LiveInputs& live)
{
    if (!m_computed || (index != 0 && index != 1))
        return;
    if (button == kLeft)
        m_repeat = index == 0 ? Repeat::LevelDown : Repeat::LevelUp;
    else if (button == kRight)
        levelStep(index == 0 ? -1 : 1, 10, live);
}

void PetSimulator::pointPress(int index, int button)
{
    if (!m_computed || index < 0 || index > 9)
        return;
    if (button == kLeft) {
        m_pointStepIndex = index;
        m_repeat = Repeat::Points;
    } else if (button == kRight) {
        pointStep(index, 50);
    }
}

void PetSimulator::sharePress(int index, int button)
{
    if (!m_computed || index < 0 || index > kShareSplit)
        return;
    if (index == kShareSplit) {
        if (button == kLeft)
            split();
        return;
    }
    if (button == kLeft) {
        m_shareStepIndex = index;
        m_repeat = Repeat::Shares;
    } else if (button == kRight) {
        shareStep(index, 5);
    }
}

void PetSimulator::release(int button)
{
    if (button == kLeft)
        m_repeat = Repeat::None;
}

bool PetSimulator::tick(const LiveInputs& live)
{
    if (!m_computed)
        m_repeat = Repeat::None;
    switch (m_repeat) {
    case Repeat::None:
        break;
    case Repeat::LevelDown:
    case Repeat::LevelUp:
        if (!levelStep(m_repeat == Repeat::LevelDown ? -1 : 1, 1, live))
            m_repeat = Repeat::None; // a level timer switches itself off at its bound
        break;
    case Repeat::Points:
        pointStep(m_pointStepIndex, 1);
        break;
    case Repeat::Shares:
        shareStep(m_shareStepIndex, 1);
        break;
    }
    return m_repeat != Repeat::None;
}

void PetSimulator::clickPoint(int i)
{
    if (!m_computed || i < 0 || i >= kPointKinds)
        return;
    resetShares();
    if (m_free != 0) {
        m_current[static_cast<std::size_t>(i)] += m_free;
        m_free = 0;
    }
}

void PetSimulator::clickPotential()
{
    if (!m_computed)
        return;
    resetShares();
    discardPending();
}

void PetSimulator::clickShare(int i)
{
    if (!m_computed || i < 0 || i > 5)
        return;
    if (i == 5) {
        resetShares();
        return;
    }
    const int pool = m_shares[5];
    if (pool > 0) {
        setShare(i, m_shares[static_cast<std::size_t>(i)] + pool, false);
        setShare(5, 0, false);
    }
}

void PetSimulator::commit(const LiveInputs& live)
{
    if (!m_computed)
        return;
    m_committed = m_free;
    m_simLevel = m_level;
    m_base = m_current;
    resetShares();
    recompute(live);
}

void PetSimulator::cancel(const LiveInputs& live)
{
    if (!m_computed)
        return;
    const int d = m_simLevel - m_confirmedLevel;
    m_committed = m_free = 5 * d + m_confirmedPotential;
    for (std::size_t i = 0; i < m_base.size(); ++i)
        m_current[i] = m_base[i] = m_confirmedPoints[i] + d;
    resetShares();
    recompute(live);
}

} // namespace beasts
