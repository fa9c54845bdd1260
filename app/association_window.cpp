#include "app/association_window.h"

#include <QCheckBox>

TForm3::TForm3(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Yearnbox"));
    checkBox1_ = new QCheckBox(QStringLiteral("Ask me at Startup about this."), this);
    checkBox1_->setChecked(true);
}
