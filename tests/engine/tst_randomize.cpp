// The shuffle that orders every test: its possible outcomes, their balance, and its
// behaviour with sources that return the extreme values.
#include "modRandomize.h"

#include <QtTest>
#include <algorithm>
#include <map>
#include <numeric>
#include <random>
#include <set>

using namespace modRandomize;
using List = std::vector<std::int32_t>;

namespace {

List iota(int n)
{
    List list(static_cast<std::size_t>(n));
    std::iota(list.begin(), list.end(), 0);
    return list;
}

QString show(const List& list)
{
    QStringList parts;
    for (auto v : list)
        parts << QString::number(v);
    return parts.join(' ');
}

// The outcomes Shuffle gives for 0..n-1 over many seeded draws.
std::set<QString> outcomes(int n)
{
    std::set<QString> found;
    std::mt19937 engine(12345);
    std::uniform_real_distribution<double> dist(0.0, 1.0);
    for (int run = 0; run < 2000; ++run) {
        setUniformSource([&] { return dist(engine); });
        List list = iota(n);
        found.insert(show(Shuffle(list)));
    }
    setUniformSource({});
    return found;
}

} // namespace

class TestRandomize : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { setUniformSource({}); }

    void outcomeSets_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QStringList>("expected");
        QTest::addRow("one element") << 1 << QStringList{"0"};
        QTest::addRow("two elements") << 2 << QStringList{"0 1"};
        QTest::addRow("three elements") << 3 << QStringList{"0 1 2", "1 2 0"};
        QTest::addRow("four elements")
            << 4 << QStringList{"0 1 2 3", "0 2 3 1", "1 2 0 3", "1 3 2 0", "2 1 3 0", "2 3 0 1"};
    }
    void outcomeSets()
    {
        QFETCH(int, n);
        QFETCH(QStringList, expected);
        const std::set<QString> found = outcomes(n);
        QCOMPARE(QStringList(found.begin(), found.end()), [&] {
            expected.sort();
            return expected;
        }());
    }

    void threeElementOutcomesAreBalanced()
    {
        std::mt19937_64 engine(2024);
        setUniformSource([&] { return static_cast<double>(engine() >> 11) * 0x1.0p-53; });
        std::map<QString, int> counts;
        const int runs = 20000;
        for (int i = 0; i < runs; ++i) {
            List list = iota(3);
            ++counts[show(Shuffle(list))];
        }
        QCOMPARE(counts.size(), std::size_t(2));
        // 10000 expected each; 4 standard deviations is about 283.
        QVERIFY2(std::abs(counts["0 1 2"] - runs / 2) < 400,
                 qPrintable(QString::number(counts["0 1 2"])));
    }

    void extremeSourcesStillGivePermutations_data()
    {
        QTest::addColumn<double>("value");
        QTest::addRow("zero") << 0.0;
        QTest::addRow("exactly one") << 1.0;
        QTest::addRow("above one") << 1.5;
        QTest::addRow("negative") << -0.25;
        QTest::addRow("not a number") << std::numeric_limits<double>::quiet_NaN();
    }
    void extremeSourcesStillGivePermutations()
    {
        QFETCH(double, value);
        setUniformSource([value] { return value; });
        List list = iota(180);
        Shuffle(list);
        List sorted = list;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(sorted, iota(180));
    }

    void randomOrderIsAPermutationFromTheClock()
    {
        RandomOrder(180);
        List first = randomOrder;
        List sorted = first;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(sorted, iota(180));
        // The value that started last never ends first.
        QVERIFY(first.front() != 179);
        RandomOrder(180);
        QVERIFY2(first != randomOrder, "two clock-seeded orders came out identical");
    }

    void emptyAndNegativeSizes()
    {
        List empty;
        QVERIFY(Shuffle(empty).empty());
        RandomOrder(0);
        QVERIFY(randomOrder.empty());
        RandomOrder(-3);
        QVERIFY(randomOrder.empty());
    }
};

QTEST_GUILESS_MAIN(TestRandomize)
#include "tst_randomize.moc"
