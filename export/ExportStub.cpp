namespace vyr { void exportStub() {} }
