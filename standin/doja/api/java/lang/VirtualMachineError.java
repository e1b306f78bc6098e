package java.lang;

public abstract class VirtualMachineError extends Error {
    public VirtualMachineError() {
    }

    public VirtualMachineError(String s) {
        super(s);
    }
}
