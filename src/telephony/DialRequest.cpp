#include "telephony/DialRequest.h"

DialRequestValues& DialRequest()
{
    static DialRequestValues request;
    return request;
}
