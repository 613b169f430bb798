#include "records/frmFuture.h"

#include "game/QtPicture.h"

namespace qv {

frmFuture::frmFuture(QWidget* parent)
    : frmSideWindow("Future", 3015, 1050, parent)
{
    Form_Load();
}

void frmFuture::Form_Load()
{
    picFuture = new QtPicture(3015, 1050, this);
    picFuture->setGeometry(0, 0, width(), height());
    picFuture->setFocusPolicy(Qt::NoFocus);
    picFuture->Set_Fill_Transparent(true);
    Watch(picFuture);
}

} // namespace qv
