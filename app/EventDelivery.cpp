#include "app/EventDelivery.h"

#include "app/Failure.h"
#include "ui/ToolkitServices.h"

void deliverEvent(ToolkitServices &toolkit, const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const Failure &failure) {
        toolkit.ReportFailure(failure);
    }
}
