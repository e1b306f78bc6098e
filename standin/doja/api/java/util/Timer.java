//#since CLDC-1.1
package java.util;

public class Timer {
    public Timer() {
    }

    public void schedule(TimerTask task, long delay) {
    }

    public void schedule(TimerTask task, Date time) {
    }

    public void schedule(TimerTask task, long delay, long period) {
    }

    public void schedule(TimerTask task, Date firstTime, long period) {
    }

    public void scheduleAtFixedRate(TimerTask task, long delay, long period) {
    }

    public void scheduleAtFixedRate(TimerTask task, Date firstTime, long period) {
    }

    public void cancel() {
    }
}
