package com.nttdocomo.dojaemu;

import java.util.concurrent.BlockingQueue;
import java.util.concurrent.CountDownLatch;
import java.util.concurrent.Executors;
import java.util.concurrent.LinkedBlockingQueue;
import java.util.concurrent.ScheduledExecutorService;
import java.util.concurrent.ScheduledFuture;
import java.util.concurrent.TimeUnit;
import java.util.function.BooleanSupplier;

/**
 * The one thread on which the application is started and hears of its
 * events, one at a time, as on the handset. Whatever the application throws
 * out of an event ends the emulator with its stack trace and exit code 1.
 */
public final class EventThread {
    private static final BlockingQueue<Runnable> QUEUE = new LinkedBlockingQueue<>();
    private static final ScheduledExecutorService TIMERS = Executors.newSingleThreadScheduledExecutor(runnable -> {
        Thread thread = new Thread(runnable, "dojaemu-timers");
        thread.setDaemon(true);
        return thread;
    });
    private static volatile Thread thread;

    private EventThread() {
    }

    public static synchronized void start() {
        if (thread != null)
            return;
        Thread.setDefaultUncaughtExceptionHandler((t, e) -> fail(e));
        startLoop();
    }

    /**
     * Leaves the event that keeps the thread busy to it, and goes on with the
     * events on a new thread: an application whose start() never returns
     * still hears its keys and timers.
     */
    public static synchronized void detach() {
        startLoop();
    }

    private static void startLoop() {
        Thread next = new Thread(EventThread::loop, "dojaemu-events");
        next.setDaemon(true);
        thread = next;
        next.start();
    }

    public static void post(Runnable event) {
        QUEUE.add(event);
    }

    public static boolean isCurrent() {
        return Thread.currentThread() == thread;
    }

    /**
     * Runs the event and waits until it has run, at most the given time;
     * false when it has not run by then. A failure ends the emulator first.
     */
    public static boolean call(Runnable event, long millis) throws InterruptedException {
        CountDownLatch done = new CountDownLatch(1);
        post(() -> {
            try {
                event.run();
            } catch (Throwable e) {
                fail(e);
            }
            done.countDown();
        });
        return done.await(millis, TimeUnit.MILLISECONDS);
    }

    /**
     * Runs the events that come on this thread until done holds: an
     * application waiting on the event thread for the user (a dialog) still
     * hears its keys and timers.
     */
    public static void pumpUntil(BooleanSupplier done) {
        while (!done.getAsBoolean()) {
            Runnable event;
            try {
                event = QUEUE.poll(50, TimeUnit.MILLISECONDS);
            } catch (InterruptedException e) {
                return;
            }
            if (event != null)
                run(event);
        }
    }

    /** A timer's expiry, delivered as an event of its own. */
    public static ScheduledFuture<?> schedule(Runnable event, int millis, boolean repeat) {
        long delay = Math.max(1, millis);
        Runnable posting = () -> post(event);
        return repeat ? TIMERS.scheduleAtFixedRate(posting, delay, delay, TimeUnit.MILLISECONDS)
                      : TIMERS.schedule(posting, delay, TimeUnit.MILLISECONDS);
    }

    public static void exit(int status) {
        System.out.flush();
        System.err.flush();
        Runtime.getRuntime().halt(status);
    }

    public static void fail(Throwable error) {
        System.out.flush();
        error.printStackTrace();
        exit(1);
    }

    private static void run(Runnable event) {
        try {
            event.run();
        } catch (Throwable e) {
            fail(e);
        }
    }

    private static void loop() {
        Thread self = Thread.currentThread();
        while (self == thread) {
            try {
                run(QUEUE.take());
            } catch (InterruptedException e) {
                return;
            }
        }
    }
}
