#pragma once

#include "Comparison.h"

#include <QApplication>

// The benchmark's application object. It keeps account of the time spent
// painting, so that a comparison can leave it out: the floors show nothing,
// and painting what an action changed costs any program that shows it the
// same. The painting is reported on its own.
class BenchApplication : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override;

    // All painting so far.
    static Timing painting();

private:
    static bool isPainting(const QEvent *event);
};
