#include "app/EventDelivery.h"

#include "contracts/Failure.h"
#include "contracts/ToolkitServices.h"

void deliverEvent(ToolkitServices &toolkit, const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const Failure &failure) {
        toolkit.ReportFailure(failure);
    }
}
