#include "base/view_requests.h"

ViewRequests g_view_requests;
