6
0, span
6, "quoted, with comma"
11.5, span
17, 
23.5, x
26.5, "quoted, with comma"
2
1, 1, 1, span
6, 1, 0, "quoted, with comma"
1
2E8, span
2
0.0004, 
0.0004, x
5
1, 2, 1, 1, x
2, 3, 1, 2, 
3, 4, 1, 2, x
4, 5, 1, 1, span
5, 6, 1, 1, x
3
2, 1, -3, -2, 0, 0.25, 
3, 2, 9, 8, 0, 0.5, x
5, 1, 0, 2
1, 0, x

2
6, -3, 1, span
6, 0, 0, span
