5
0, 
9.5, 
13.5, x
22.5, "quoted, with comma"
26, "quoted, with comma"
2
1, 1, 0, "quoted, with comma"
5, 1, 0, span
2
2E8, "quoted, with comma"
2.1e+11, "quoted, with comma"
2
0.0004, "quoted, with comma"
0.0004, x
4
1, 2, 2, 2, "quoted, with comma"
3, 2, 1, 2, x
3
4, 2, 2, "quoted, with comma"
4, 5, 1, 2, span

4
3, 1, 8, -4, 1, 0, 
4, 1, 10, -1, 0.5, 0, "quoted, with comma"
3, 4, -4, -1, 0, 0.25, 
4, 1, -1, 3, 1, 0.25, 

1
3, -5, 2, span
