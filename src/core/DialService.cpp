#include "core/DialService.h"

DialRequestValues& DialRequest()
{
    static DialRequestValues request;
    return request;
}
