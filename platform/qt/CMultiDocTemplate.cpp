#include "platform/qt/CMultiDocTemplate.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QVariant>

namespace {
// The frame's property naming the template that made it.
constexpr const char* kMadeBy = "twDocTemplate";
}

CMultiDocTemplate::CMultiDocTemplate(int resourceId, DocumentMaker document, FrameMaker frame, ViewMaker view)
    : m_resourceId(resourceId), m_document(std::move(document)), m_frame(std::move(frame)), m_view(std::move(view))
{
}

CMultiDocTemplate::~CMultiDocTemplate()
{
    disconnect(m_areaGone);
}

void CMultiDocTemplate::SetMdiArea(QMdiArea* area)
{
    disconnect(m_areaGone);
    m_area = area;
    if (area)
        m_areaGone = connect(area, &QObject::destroyed, this, [this] { m_area = nullptr; });
}

QMdiArea* CMultiDocTemplate::MdiArea() const
{
    return m_area;
}

int CMultiDocTemplate::ResourceId() const
{
    return m_resourceId;
}

QObject* CMultiDocTemplate::CreateNewDocument()
{
    return m_document ? m_document() : nullptr;
}

QMdiSubWindow* CMultiDocTemplate::CreateNewFrame(QObject* document)
{
    if (!m_area || !m_frame)
        return nullptr;
    QMdiSubWindow* frame = m_frame();
    if (!frame)
        return nullptr;
    if (m_view)
        frame->setWidget(m_view(frame));
    if (document)
        document->setParent(frame);
    frame->setProperty(kMadeBy, QVariant::fromValue(static_cast<QObject*>(this)));
    m_area->addSubWindow(frame);
    return frame;
}

std::vector<QMdiSubWindow*> CMultiDocTemplate::Frames() const
{
    std::vector<QMdiSubWindow*> frames;
    if (!m_area)
        return frames;
    for (QMdiSubWindow* frame : m_area->subWindowList(QMdiArea::CreationOrder))
        if (frame->property(kMadeBy).value<QObject*>() == this)
            frames.push_back(frame);
    return frames;
}

void CMultiDocTemplate::InitialUpdateFrame(QMdiSubWindow* frame, QObject*, bool visible)
{
    if (!frame || !visible)
        return;
    // The browser is the window the user came for: it takes the whole area.
    frame->showMaximized();
    if (m_area)
        m_area->setActiveSubWindow(frame);
}
