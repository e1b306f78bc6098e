//#since CLDC-1.1
package java.lang.ref;

public abstract class Reference {
    public Object get() {
        return null;
    }

    public void clear() {
    }

    Reference() {
    }
}
