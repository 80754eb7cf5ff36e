#pragma once
// The four geometry windows: a white window holding one tabbed page per
// structure, each with its drawing, legend lines and, when a calculator with
// results opened it, a line with that design's current dimensions.
#include <QMainWindow>
#include <map>

#include "framework/linked_windows.h"
#include "geometry/geometry_pages.h"

class QLabel;
class QTabWidget;

namespace ondarel {

class GeometryPictureWindow : public QMainWindow, public GeometryWindow {
    Q_OBJECT
public:
    explicit GeometryPictureWindow(const GeometryWindowSpec& spec, QWidget* parent = nullptr);

    void showPage(int page) override;
    void noteCaller(const QString& windowClass) override;

    QTabWidget* pages() const { return pages_; }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildPage(const GeometryPage& page);
    void buildMenu();
    void refreshDimensions();

    const GeometryWindowSpec& spec_;
    QTabWidget* pages_ = nullptr;
    std::vector<QLabel*> dimensionLines_;
    std::map<int, QString> callers_;  // page -> calculator that last opened it
};

}  // namespace ondarel
