#pragma once

#include "accounts/CustomerRecords.h"
#include "accounts/frmCustomer.h"
#include "support/ScreenFixture.h"

#include <QStringList>

// A screen fixture for the customer screen: the shared record buffers start and end reset.
class CustomerScreenFixture : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        ResetCustomerBuffers();
    }
    void TearDown() override
    {
        ScreenFixture::TearDown();
        ResetCustomerBuffers();
    }

    static frmCustomer& ShowScreen()
    {
        frmCustomer& screen = ScreenInstance<frmCustomer>();
        screen.Show();
        return screen;
    }

    // The titles of the boxes shown so far, in order.
    QStringList Titles()
    {
        QStringList titles;
        for (const ShownMessage& box : Script().Shown())
            titles << box.Title;
        return titles;
    }
};
