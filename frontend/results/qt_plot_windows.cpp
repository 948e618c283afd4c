#include "results/qt_plot_windows.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

#include "results/graph_plot.h"
#include "results/plot_form.h"

namespace corvex {

void OpenPlotWindowsIn(QMdiArea& area, TGraphPlot& graph) {
  QPointer<QMdiArea> target(&area);
  graph.SetWindowFactory([target](TGraphPlot& g) -> TPlotWindow* {
    auto* form = new TPlotForm(g);
    if (target.isNull()) return form;  // the main window is going away: a window of its own
    QMdiSubWindow* sub = target->addSubWindow(form);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(form->windowTitle());
    return form;
  });
}

void OpenPlotWindowsIn(QMdiArea& area, const std::vector<TGraphPlot*>& graphs) {
  for (TGraphPlot* graph : graphs)
    if (graph != nullptr) OpenPlotWindowsIn(area, *graph);
}

}  // namespace corvex
