#include "guidataset/browser/CDatafolderChildFrame.h"

#include "guidataset/browser/CBrowserIcons.h"
#include "guidataset/browser/CDatafolderTabView.h"
#include "host/adaptor/DatafolderDataDisplayContent.h"
#include "host/baseline/CBaseline.h"

#include <QMdiArea>

CDatafolderChildFrame::CDatafolderChildFrame(QWidget* parent) : QMdiSubWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(CBrowserIcons::FrameIcon());
    setMinimumSize(480, 300);
}

CDatafolderChildFrame::~CDatafolderChildFrame() = default;

CDatafolderTabView* CDatafolderChildFrame::TabView() const
{
    return dynamic_cast<CDatafolderTabView*>(widget());
}

int CDatafolderChildFrame::ShowContent(const DatafolderDataDisplayContent& content)
{
    m_dataFolderPath = content.dataFolderPath;
    setWindowTitle(QString::fromStdString(content.dataFolderName));
    if (CBaseline* project = CBaseline::Instance()) {
        if (QMdiArea* area = mdiArea(); area && area->window() != this)
            area->window()->setWindowTitle(QString::fromStdString("Workspace - " + project->GetName()));
    }
    CDatafolderTabView* view = TabView();
    return view ? view->ShowContent(content) : 0;
}
