// Painting the gallery's pages whole, frame included, with the skin on against the skin off.
// BM_GalleryPage/<page>/<skinned> paints one page; BM_BusiestPageRatio paints the page with the
// most controls both ways in turn and reports skinned time over unskinned time as "ratio".
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <memory>
#include <tuple>

#include "GalleryForm.h"
#include "GalleryPages.h"

namespace {

using gallery::GalleryForm;

constexpr QSize kFormSize{660, 578};

std::unique_ptr<GalleryForm> ShownPage(const QString& page, bool skinned) {
    auto form = std::make_unique<GalleryForm>(QString(), skinned);
    form->ShowPage(page);
    form->resize(kFormSize);
    form->show();
    QCoreApplication::processEvents();
    return form;
}

// One whole paint of the form into a picture of its size.
void Paint(GalleryForm& form, QImage& picture) {
    QPainter painter(&picture);
    form.render(&painter);
}

// How many widgets the page holds, its controls' own parts included.
int ControlCount(const QString& page) {
    const auto form = ShownPage(page, false);
    QWidget* shown = form->findChild<QWidget*>(page);
    return shown ? int(shown->findChildren<QWidget*>().size()) : 0;
}

QString BusiestPage() {
    QString busiest;
    int most = -1;
    for (const gallery::GalleryPage& page : gallery::GalleryPages()) {
        const int count = ControlCount(page.Name);
        if (count > most) std::tie(busiest, most) = std::tie(page.Name, count);
    }
    return busiest;
}

void BM_GalleryPage(benchmark::State& state) {
    const std::vector<gallery::GalleryPage>& pages = gallery::GalleryPages();
    const QString name = pages.at(size_t(state.range(0))).Name;
    const auto form = ShownPage(name, state.range(1) != 0);
    QImage picture(form->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) Paint(*form, picture);
    state.SetLabel(name.toStdString() + (state.range(1) ? " skinned" : " unskinned"));
}

void PageArgs(benchmark::internal::Benchmark* bench) {
    const int count = int(gallery::GalleryPages().size());
    for (int page = 0; page < count; ++page) {
        for (int skinned : {0, 1}) bench->Args({page, skinned});
    }
}
BENCHMARK(BM_GalleryPage)->Apply(PageArgs)->Unit(benchmark::kMicrosecond);

void BM_BusiestPageRatio(benchmark::State& state) {
    const QString name = BusiestPage();
    const auto plain = ShownPage(name, false);
    const auto skinned = ShownPage(name, true);
    QImage picture(kFormSize.expandedTo(skinned->size()), QImage::Format_ARGB32_Premultiplied);
    qint64 plainNs = 0;
    qint64 skinnedNs = 0;
    QElapsedTimer clock;
    for (auto _ : state) {
        clock.start();
        Paint(*plain, picture);
        plainNs += clock.nsecsElapsed();
        clock.start();
        Paint(*skinned, picture);
        skinnedNs += clock.nsecsElapsed();
    }
    state.counters["unskinned_us"] = double(plainNs) / 1e3 / double(state.iterations());
    state.counters["skinned_us"] = double(skinnedNs) / 1e3 / double(state.iterations());
    state.counters["ratio"] = plainNs > 0 ? double(skinnedNs) / double(plainNs) : 0.0;
    state.SetLabel(name.toStdString());
}
BENCHMARK(BM_BusiestPageRatio)->Unit(benchmark::kMicrosecond);

}  // namespace
